#include "platform/screen_pointer.h"

namespace morvane {

bool ScreenPointer::ShowPicture(const PicturePtr& picture) {
    if (picture_ == picture) {
        return false;
    }
    AssignPicture(picture);
    return true;
}

void ScreenPointer::AssignPicture(const PicturePtr& picture) {
    picture_ = picture;
    mode_ = kCustom;
    ++assignments_;
}

void ScreenPointer::SetMode(int mode) {
    mode_ = mode;
    ++assignments_;
}

}  // namespace morvane
