#pragma once

#include "platform/picture.h"

namespace morvane {

// One frame of a shared picture as a still picture of its own, for the plain image controls
// that show a button's or an icon's frame. It copies no pixels: it reads them from the picture
// it views when drawn, and keeps that picture alive. Asking for frame 0 of a still picture gives
// the picture itself.
PicturePtr MakeFramePicture(PicturePtr source, int frame);

}  // namespace morvane
