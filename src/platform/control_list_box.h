#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace morvane {

// A single-selection list. ListIndex is the selected row (-1 = none); a change of it, by a
// click on a row or by the program, raises one Click. Rows are drawn kRowHeight pixels high
// from TopIndex, the first row in view.
class ListBox : public Control {
  public:
    static constexpr int kRowHeight = 16;

    ListBox(Control& parent, std::string name, int index = 0)
        : ListBox(parent, ControlKind::kListBox, std::move(name), index) {}

    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item at `row`; out of range is error 381.
    const std::string& List(int row) const;
    // Adds at `row` (-1 = at the end); out of range is error 5.
    void AddItem(std::string item, int row = -1);
    void RemoveItem(int row);
    void Clear();

    int ListIndex() const { return list_index_; }
    // -1 to ListCount() - 1, else error 380.
    void SetListIndex(int row);
    // Selects the first item equal to `item`, raising Click; false when there is none.
    bool Select(std::string_view item);

    int TopIndex() const { return top_index_; }
    void SetTopIndex(int row);
    // How many rows fit in the control.
    int VisibleRows() const { return Height() / kRowHeight; }

    // The selected item, or empty.
    std::string Text() const override;

    void HandleClick(const MouseArgs& args) override;

  protected:
    ListBox(Control& parent, ControlKind kind, std::string name, int index)
        : Control(parent, kind, std::move(name), index) {}
    void ReplaceItems(std::vector<std::string> items);

  private:
    std::vector<std::string> items_;
    int list_index_ = -1;
    int top_index_ = 0;
};

}  // namespace morvane
