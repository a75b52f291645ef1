// Fixed arrays with 1-based bounds; a subscript outside them is a run-time error.
#pragma once

#include <array>

#include "core/model/int16.h"

namespace movra {

template <typename T, int N>
class Array1 {
public:
    T& operator()(int i) { return items_[Index(i)]; }
    const T& operator()(int i) const { return items_[Index(i)]; }

private:
    static int Index(int i) {
        if (i < 1 || i > N) RaiseSubscriptOutOfRange();
        return i - 1;
    }
    std::array<T, N> items_{};
};

// A Cols by Rows grid of 16-bit values; the first index varies fastest in
// storage, so element (a, b) sits at (a - 1) + (b - 1) * Cols.
template <int Cols, int Rows>
class Array2 {
public:
    Int16& operator()(int a, int b) { return cells_[Index(a, b)]; }
    Int16 operator()(int a, int b) const { return cells_[Index(a, b)]; }

    // Unchecked storage, for loops whose bounds are proven once outside them.
    Int16* data() { return cells_.data(); }
    const Int16* data() const { return cells_.data(); }

    bool operator==(const Array2&) const = default;

private:
    static int Index(int a, int b) {
        if (a < 1 || a > Cols || b < 1 || b > Rows) RaiseSubscriptOutOfRange();
        return (a - 1) + (b - 1) * Cols;
    }
    std::array<Int16, Cols * Rows> cells_{};
};

}  // namespace movra
