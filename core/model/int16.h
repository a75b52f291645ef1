// 16-bit signed integers with overflow-checked arithmetic and the two
// fraction-to-integer conversions (storing rounds, the integer part floors).
#pragma once

#include <cmath>
#include <cstdint>

#include "core/model/runtime_error.h"

namespace movra {

using Int16 = std::int16_t;

// Narrows an exact result to 16 bits; a value that does not fit is an overflow.
inline Int16 Checked16(long value) {
    if (value < INT16_MIN || value > INT16_MAX) RaiseOverflow();
    return static_cast<Int16>(value);
}

inline Int16 Add16(Int16 a, Int16 b) { return Checked16(long{a} + b); }
inline Int16 Sub16(Int16 a, Int16 b) { return Checked16(long{a} - b); }
inline Int16 Mul16(Int16 a, Int16 b) { return Checked16(long{a} * b); }
inline Int16 Abs16(Int16 a) { return Checked16(a < 0 ? -long{a} : long{a}); }

// Storing a fractional value into a 16-bit variable: round to nearest, ties to even.
inline Int16 Round16(double value) {
    if (!std::isfinite(value)) RaiseOverflow();
    const double rounded = std::nearbyint(value);  // default rounding mode: ties to even
    if (rounded < INT16_MIN || rounded > INT16_MAX) RaiseOverflow();
    return static_cast<Int16>(rounded);
}

}  // namespace movra
