#include "platform/control_button.h"

#include "base/runtime_error.h"

namespace morvane {

const PicturePtr& Button::ShownPicture() const {
    if (style_ == Style::kGraphical && pressed_ && down_picture_) {
        return down_picture_;
    }
    return Picture();
}

void Button::HandleMouseDown(const MouseArgs& args) {
    if ((args.button & static_cast<int>(MouseButton::kLeft)) != 0) {
        pressed_ = true;
        Changed();
    }
    Control::HandleMouseDown(args);
}

void Button::HandleMouseUp(const MouseArgs& args) {
    if (pressed_) {
        pressed_ = false;
        Changed();
    }
    Control::HandleMouseUp(args);
}

void CheckBox::SetValue(int value) {
    if (value < kUnchecked || value > kGrayed) {
        Raise(ErrorNumber::kInvalidPropertyValue);
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    Changed();
    if (OnClick) {
        OnClick();
    }
}

void CheckBox::HandleClick(const MouseArgs&) {
    // Setting the value raises the one Click of this click.
    SetValue(value_ == kChecked ? kUnchecked : kChecked);
}

}  // namespace morvane
