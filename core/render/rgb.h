// The colour function: components above 255 count as 255, below 0 as 0.
#pragma once

#include <algorithm>

#include "core/render/surface.h"

namespace movra {

constexpr Colour RGB(int red, int green, int blue) {
    const auto component = [](int v) { return Colour(std::clamp(v, 0, 255)); };
    return component(red) + component(green) * 256 + component(blue) * 65536;
}

}  // namespace movra
