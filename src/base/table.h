#pragma once

#include <array>
#include <cstddef>

#include "base/runtime_error.h"

namespace morvane {

// A table with fixed bounds Lo..Hi, as the game state declares them (flags 0..255, slots 1..20).
// Any index outside the bounds is run-time error 9, never a stray memory access.
template <typename T, int Lo, int Hi>
class Table {
    static_assert(Lo <= Hi);

  public:
    static constexpr int kLower = Lo;
    static constexpr int kUpper = Hi;
    static constexpr std::size_t kSize = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(long long index) { return items_[Offset(index)]; }
    const T& operator()(long long index) const { return items_[Offset(index)]; }

    static bool InBounds(long long index) { return index >= Lo && index <= Hi; }

    void Fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const Table&) const = default;

  private:
    static std::size_t Offset(long long index) {
        if (!InBounds(index)) {
            Raise(ErrorNumber::kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index - Lo);
    }

    std::array<T, kSize> items_{};
};

}  // namespace morvane
