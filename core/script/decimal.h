// Exact conversions between binary floating point and the plain decimals of
// scripts (digits with at most one '.', perhaps after a '-'; no exponent),
// the same in every locale and without the C library's long double, which
// WebAssembly computes in software.
#pragma once

#include <string>
#include <string_view>

namespace movra::script {

// The float (or double) nearest to a plain decimal, ties to the even one,
// infinity beyond the largest: as strtof (strtod) reads it.
float ReadFloat(std::string_view text);
double ReadDouble(std::string_view text);

// value in fixed notation with digits after the point (none: no point),
// rounded to nearest, ties to even: as printf's "%.*f" writes it.
std::string WriteFixed(double value, int digits);

}  // namespace movra::script
