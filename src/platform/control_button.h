#pragma once

#include "platform/control.h"

namespace morvane {

// A push button. Its standard look is drawn with its caption, pressed while the left button is
// held on it; the graphical look shows Picture, and DownPicture while pressed.
class Button : public Control {
  public:
    enum class Style { kStandard = 0, kGraphical = 1 };

    Button(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kButton, std::move(name), index) {}

    Style LookStyle() const { return style_; }
    void SetLookStyle(Style style) {
        style_ = style;
        Changed();
    }
    const PicturePtr& DownPicture() const { return down_picture_; }
    void SetDownPicture(PicturePtr picture) {
        down_picture_ = std::move(picture);
        Changed();
    }

    bool Pressed() const { return pressed_; }
    // The picture the button shows now: in the graphical look, DownPicture while pressed
    // (when there is one), else Picture.
    const PicturePtr& ShownPicture() const;

    void HandleMouseDown(const MouseArgs& args) override;
    void HandleMouseUp(const MouseArgs& args) override;

  private:
    Style style_ = Style::kStandard;
    PicturePtr down_picture_;
    bool pressed_ = false;
};

// A check box: Value 0 unticked, 1 ticked, 2 greyed. A click ticks or unticks it; any change of
// Value, by a click or by the program, raises one Click.
class CheckBox : public Control {
  public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kGrayed = 2;

    CheckBox(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kCheckBox, std::move(name), index) {}

    int Value() const { return value_; }
    // Values other than 0, 1 and 2 are invalid (error 380).
    void SetValue(int value);

    void HandleClick(const MouseArgs& args) override;

  private:
    int value_ = kUnchecked;
};

}  // namespace morvane
