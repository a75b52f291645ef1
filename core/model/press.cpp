#include "core/model/press.h"

#include <algorithm>
#include <cmath>

namespace movra {

Int16 PressCell(float twips) {
    return std::min<Int16>(Round16(double(twips) / CellTwips + 1), GridSize);
}

std::optional<TwipsPoint> PressPoint(int deviceX, int deviceY, double density) {
    // A density no screen has would map the pixel off the pond's cells.
    if (!std::isfinite(density) || density <= 0 || deviceX < 0 || deviceY < 0) return std::nullopt;
    const TwipsPoint point{float(deviceX * 15.0 / density), float(deviceY * 15.0 / density)};
    if (point.x >= PondWidthTwips || point.y >= PondHeightTwips) return std::nullopt;
    return point;
}

bool PressPond(Model& model, Int16 button, float x, float y) {
    if (button == RightButton) return true;
    PlaceSource(model, PressCell(x), PressCell(y));
    return false;
}

}  // namespace movra
