#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "platform/control.h"

namespace morvane {

// A control array as the game's windows declare them: `Animation(1..20)`, `DelayTimer(1..20)`.
// Elements share the name and carry their index from 1; an index outside the array is run-time
// error 9, never a stray access.
template <typename T>
class ControlArray {
  public:
    ControlArray(Control& parent, const std::string& name, int count) {
        items_.reserve(static_cast<std::size_t>(count));
        for (int index = 1; index <= count; ++index) {
            items_.push_back(std::make_unique<T>(parent, name, index));
        }
    }

    T& operator()(long long index) { return *items_[Offset(index)]; }
    const T& operator()(long long index) const { return *items_[Offset(index)]; }

    int LBound() const { return 1; }
    int UBound() const { return static_cast<int>(items_.size()); }
    int Count() const { return static_cast<int>(items_.size()); }

    // Runs `action(element, index)` for every element, in index order; the usual way to wire
    // each element's handlers to the window's `Name_Event(index)` methods.
    void ForEach(const std::function<void(T&, int)>& action) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            action(*items_[i], static_cast<int>(i + 1));
        }
    }

  private:
    std::size_t Offset(long long index) const {
        if (index < 1 || index > static_cast<long long>(items_.size())) {
            Raise(ErrorNumber::kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index - 1);
    }

    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace morvane
