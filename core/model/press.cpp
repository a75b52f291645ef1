#include "core/model/press.h"

#include <algorithm>

namespace movra {

Int16 PressCell(float twips) {
    return std::min<Int16>(Round16(double(twips) / CellTwips + 1), GridSize);
}

bool PressPond(Model& model, Int16 button, float x, float y) {
    if (button == RightButton) return true;
    PlaceSource(model, PressCell(x), PressCell(y));
    return false;
}

}  // namespace movra
