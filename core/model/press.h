// A mouse press on the pond: the right button alone asks for the popup menu,
// any other button combination drops a source on the pressed cell.
#pragma once

#include <optional>

#include "core/model/model.h"

namespace movra {

// The pond's inner area, in twips (120 by 119 logical pixels).
inline constexpr float PondWidthTwips = 1800;
inline constexpr float PondHeightTwips = 1785;
inline constexpr int PondWidthPixels = 120;  // logical pixels, 15 twips each
inline constexpr int PondHeightPixels = 119;

// Button codes, summed when several are held.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// The column (or row) a press at this many twips selects: round(twips / 60 + 1),
// ties to even, so the mapping is centred on cell corners. The outermost pixels
// of the inner area would give 31, which the tick cannot take: it counts as 30.
Int16 PressCell(float twips);

// A press's position in twips from the pond's inner top-left corner.
struct TwipsPoint {
    float x, y;
};

// The one rule by which every front end turns a press into twips, the forms
// runtime's: 1440 twips to the inch, so 15 to a logical pixel of 96 DPI.
// (deviceX, deviceY): the device pixel pressed, from the inner top-left
// corner; density: device pixels per logical pixel (the window's DPI / 96, or
// the page's devicePixelRatio times its enlargement). Nothing outside the
// inner area: the border is not part of the picture.
std::optional<TwipsPoint> PressPoint(int deviceX, int deviceY, double density);

// Handles a press at (x, y) twips; returns true when it opens the popup menu
// instead of placing a source.
bool PressPond(Model& model, Int16 button, float x, float y);

}  // namespace movra
