#include "platform/control_list_box.h"

#include <algorithm>

#include "base/runtime_error.h"

namespace morvane {
namespace {

[[noreturn]] void InvalidPropertyValue() {
    Raise(ErrorNumber::kInvalidPropertyValue);
}
[[noreturn]] void InvalidPropertyIndex() {
    Raise(ErrorNumber::kInvalidPropertyArrayIndex);
}

}  // namespace

const std::string& ListBox::List(int row) const {
    if (row < 0 || row >= ListCount()) {
        InvalidPropertyIndex();
    }
    return items_[static_cast<std::size_t>(row)];
}

void ListBox::AddItem(std::string item, int row) {
    if (row == -1) {
        row = ListCount();
    }
    if (row < 0 || row > ListCount()) {
        Raise(ErrorNumber::kIllegalFunctionCall);
    }
    items_.insert(items_.begin() + row, std::move(item));
    if (list_index_ >= row) {
        ++list_index_;
    }
    Changed();
}

void ListBox::RemoveItem(int row) {
    if (row < 0 || row >= ListCount()) {
        Raise(ErrorNumber::kIllegalFunctionCall);
    }
    items_.erase(items_.begin() + row);
    if (list_index_ == row) {
        list_index_ = -1;
    } else if (list_index_ > row) {
        --list_index_;
    }
    top_index_ = std::clamp(top_index_, 0, std::max(ListCount() - 1, 0));
    Changed();
}

void ListBox::Clear() {
    ReplaceItems({});
}

void ListBox::ReplaceItems(std::vector<std::string> items) {
    items_ = std::move(items);
    list_index_ = -1;
    top_index_ = 0;
    Changed();
}

void ListBox::SetListIndex(int row) {
    if (row < -1 || row >= ListCount()) {
        InvalidPropertyValue();
    }
    if (row == list_index_) {
        return;
    }
    list_index_ = row;
    Changed();
    // Keep the selection in view, as the list scrolls to it.
    if (row >= 0 && row < top_index_) {
        top_index_ = row;
    } else if (row >= 0 && VisibleRows() > 0 && row >= top_index_ + VisibleRows()) {
        top_index_ = row - VisibleRows() + 1;
    }
    if (OnClick) {
        OnClick();
    }
}

bool ListBox::Select(std::string_view item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) {
        return false;
    }
    const int row = static_cast<int>(found - items_.begin());
    if (row == list_index_) {
        // Choosing the selected item again still reports the choice.
        if (OnClick) {
            OnClick();
        }
        return true;
    }
    SetListIndex(row);
    return true;
}

void ListBox::SetTopIndex(int row) {
    if (row < 0 || (row >= ListCount() && ListCount() > 0)) {
        InvalidPropertyValue();
    }
    top_index_ = row;
    Changed();
}

std::string ListBox::Text() const {
    return list_index_ >= 0 ? items_[static_cast<std::size_t>(list_index_)] : std::string();
}

void ListBox::HandleClick(const MouseArgs& args) {
    const int row = top_index_ + args.y / kRowHeight;
    if (args.y < 0 || row >= ListCount()) {
        return;
    }
    if (row == list_index_) {
        if (OnClick) {
            OnClick();
        }
        return;
    }
    SetListIndex(row);
}

}  // namespace morvane
