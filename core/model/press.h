// A mouse press on the pond: the right button alone asks for the popup menu,
// any other button combination drops a source on the pressed cell.
#pragma once

#include "core/model/model.h"

namespace movra {

// The pond's inner area, in twips (120 by 119 logical pixels).
inline constexpr float PondWidthTwips = 1800;
inline constexpr float PondHeightTwips = 1785;

// Button codes, summed when several are held.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// The column (or row) a press at this many twips selects: round(twips / 60 + 1),
// ties to even, so the mapping is centred on cell corners. The outermost pixels
// of the inner area would give 31, which the tick cannot take: it counts as 30.
Int16 PressCell(float twips);

// Handles a press at (x, y) twips; returns true when it opens the popup menu
// instead of placing a source.
bool PressPond(Model& model, Int16 button, float x, float y);

}  // namespace movra
