#pragma once

#include <string>

#include "platform/control.h"

namespace morvane {

// A one-line text box. Typed characters go in at the caret (SelStart); backspace removes the
// character before it. A selection (SelLength characters from SelStart) is replaced by what is
// typed, and backspace removes it. Every change of Text raises Change.
class TextBox : public Control {
  public:
    TextBox(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kTextBox, std::move(name), index) {}

    std::string Text() const override { return text_; }
    void SetText(std::string text);

    // The caret, from 0 (before the first character) to the text's length. Moving it ends the
    // selection.
    int SelStart() const { return sel_start_; }
    void SetSelStart(int position);
    // How many characters from the caret on are selected; kept within the text.
    int SelLength() const { return sel_length_; }
    void SetSelLength(int length);
    // Selects the whole text, so that typing replaces it.
    void SelectAll();

    // 0 = no limit.
    int MaxLength() const { return max_length_; }
    void SetMaxLength(int length) { max_length_ = length < 0 ? 0 : length; }

    void HandleKeyPress(int& key_ascii) override;

  private:
    std::string text_;
    int sel_start_ = 0;
    int sel_length_ = 0;
    int max_length_ = 0;
};

}  // namespace morvane
