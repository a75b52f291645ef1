#include "core/model/press.h"

#include <algorithm>

namespace movra {

Int16 PressCell(float twips) {
    return std::min<Int16>(Round16(double(twips) / CellTwips + 1), GridSize);
}

std::optional<TwipsPoint> PressPoint(int deviceX, int deviceY, double density) {
    const TwipsPoint point{float(deviceX * 15.0 / density), float(deviceY * 15.0 / density)};
    if (deviceX < 0 || deviceY < 0 || point.x >= PondWidthTwips || point.y >= PondHeightTwips) return std::nullopt;
    return point;
}

bool PressPond(Model& model, Int16 button, float x, float y) {
    if (button == RightButton) return true;
    PlaceSource(model, PressCell(x), PressCell(y));
    return false;
}

}  // namespace movra
