#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "platform/control.h"

namespace morvane {

// The one control array the game numbers from 0: the map window's two looks of its close button,
// `Image2(0)` (highlighted) and `Image2(1)` (normal). An index outside the array is run-time
// error 9, as for every other control array.
//
// The first element carries index 0, which the control model reads as "not in an array", so its
// qualified name is the bare array name; these elements only hold pictures and are never the
// target of input, so nothing needs to name them.
template <typename T>
class ControlArrayFromZero {
  public:
    ControlArrayFromZero(Control& parent, const std::string& name, int count) {
        items_.reserve(static_cast<std::size_t>(count));
        for (int index = 0; index < count; ++index) {
            items_.push_back(std::make_unique<T>(parent, name, index));
        }
    }

    T& operator()(long long index) { return *items_[Offset(index)]; }
    const T& operator()(long long index) const { return *items_[Offset(index)]; }

    int LBound() const { return 0; }
    int UBound() const { return static_cast<int>(items_.size()) - 1; }
    int Count() const { return static_cast<int>(items_.size()); }

    void ForEach(const std::function<void(T&, int)>& action) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            action(*items_[i], static_cast<int>(i));
        }
    }

  private:
    std::size_t Offset(long long index) const {
        if (index < 0 || index >= static_cast<long long>(items_.size())) {
            Raise(ErrorNumber::kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index);
    }

    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace morvane
