#pragma once

#include <array>
#include <cstddef>

#include "store/BasicError.h"

namespace tavrelion::store {

// An array indexed 0..Upper inclusive, as the store's arrays are: element 0 exists and is not
// used. An index beyond the bounds raises error 9 instead of touching memory.
template <typename T, int Upper>
class CheckedArray {
  public:
    static constexpr int upper = Upper;

    T& operator()(int index) { return elements_[checked(index)]; }
    const T& operator()(int index) const { return elements_[checked(index)]; }

    void fill(const T& value) { elements_.fill(value); }

  private:
    static std::size_t checked(int index) {
        if (index < 0 || index > Upper) {
            throw BasicError(SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index);
    }

    std::array<T, Upper + 1> elements_{};
};

// A two-dimensional array indexed (0..Rows, 0..Columns), bounds checked like CheckedArray.
template <typename T, int Rows, int Columns>
class CheckedMatrix {
  public:
    T& operator()(int row, int column) { return rows_(row)(column); }
    const T& operator()(int row, int column) const { return rows_(row)(column); }

  private:
    CheckedArray<CheckedArray<T, Columns>, Rows> rows_;
};

}  // namespace tavrelion::store
