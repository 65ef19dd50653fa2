#pragma once

#include "forms/control_array_from_zero.h"
#include "platform/animated_picture.h"
#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/window.h"

namespace morvane {

// The map: the map picture with its 20 location pictures and the close button. It opens
// modally over the scene view, with the scene view's place and size.
class MapWindow : public Window {
  public:
    explicit MapWindow(Desktop& desktop);

    Image Image1{*this, "Image1"};  // the map picture
    ControlArray<AnimatedPicture> Loctn{*this, "Loctn", 20};
    Image ButtnCancel{*this, "ButtnCancel"};
    // The close button's looks: 0 highlighted, 1 normal.
    ControlArrayFromZero<Image> Image2{*this, "Image2", 2};
};

}  // namespace morvane
