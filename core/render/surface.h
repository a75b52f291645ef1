// The one drawing operation the drawing pass needs from a pond surface.
#pragma once

#include <cstdint>

namespace movra {

// A colour value blue * 65536 + green * 256 + red.
using Colour = std::uint32_t;

class Surface {
public:
    virtual ~Surface() = default;
    // Fills the box between two corners (twips, origin at the surface's inner
    // top-left corner) with one colour, edge and interior alike.
    virtual void FillBox(float x1, float y1, float x2, float y2, Colour colour) = 0;
};

}  // namespace movra
