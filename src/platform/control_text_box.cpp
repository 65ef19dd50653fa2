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
    Changed();
    if (changed && OnChange) {
        OnChange();
    }
}

void TextBox::SetSelStart(int position) {
    sel_start_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    Changed();
}

void TextBox::HandleKeyPress(int& key_ascii) {
    Control::HandleKeyPress(key_ascii);
    const auto caret = static_cast<std::size_t>(sel_start_);
    if (key_ascii == key::kBack) {
        if (caret > 0) {
            std::string text = text_;
            text.erase(caret - 1, 1);
            sel_start_ -= 1;
            SetText(std::move(text));
        }
        return;
    }
    if (key_ascii < key::kSpace || key_ascii > 255) {
        return;
    }
    if (max_length_ > 0 && static_cast<int>(text_.size()) >= max_length_) {
        return;
    }
    std::string text = text_;
    text.insert(caret, 1, static_cast<char>(key_ascii));
    sel_start_ += 1;
    SetText(std::move(text));
}

}  // namespace morvane
