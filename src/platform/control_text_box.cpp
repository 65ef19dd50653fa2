#include "platform/control_text_box.h"

#include <algorithm>

#include "platform/control_geometry.h"

namespace morvane {

void TextBox::SetText(std::string text) {
    if (max_length_ > 0 && static_cast<int>(text.size()) > max_length_) {
        text.resize(static_cast<std::size_t>(max_length_));
    }
    const bool changed = text != text_;
    text_ = std::move(text);
    sel_start_ = std::min(sel_start_, static_cast<int>(text_.size()));
    sel_length_ = std::min(sel_length_, static_cast<int>(text_.size()) - sel_start_);
    Changed();
    if (changed && OnChange) {
        OnChange();
    }
}

void TextBox::SetSelStart(int position) {
    sel_start_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    sel_length_ = 0;
    Changed();
}

void TextBox::SetSelLength(int length) {
    sel_length_ = std::clamp(length, 0, static_cast<int>(text_.size()) - sel_start_);
    Changed();
}

void TextBox::SelectAll() {
    sel_start_ = 0;
    sel_length_ = static_cast<int>(text_.size());
    Changed();
}

void TextBox::HandleKeyPress(int& key_ascii) {
    Control::HandleKeyPress(key_ascii);
    const bool printable = key_ascii >= key::kSpace && key_ascii <= 255;
    if (key_ascii != key::kBack && !printable) {
        return;
    }
    std::string text = text_;
    auto caret = static_cast<std::size_t>(sel_start_);
    if (sel_length_ > 0) {
        // What is selected goes first, whatever the key.
        text.erase(caret, static_cast<std::size_t>(sel_length_));
        sel_length_ = 0;
        if (key_ascii == key::kBack) {
            SetText(std::move(text));
            return;
        }
    } else if (key_ascii == key::kBack) {
        if (caret > 0) {
            text.erase(caret - 1, 1);
            sel_start_ -= 1;
            SetText(std::move(text));
        }
        return;
    }
    if (max_length_ > 0 && static_cast<int>(text.size()) >= max_length_) {
        SetText(std::move(text));
        return;
    }
    text.insert(caret, 1, static_cast<char>(key_ascii));
    ++caret;
    sel_start_ = static_cast<int>(caret);
    SetText(std::move(text));
}

}  // namespace morvane
