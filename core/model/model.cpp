#include "core/model/model.h"

namespace movra {

void ResetModel(Model& model) {
    for (int i = 1; i <= SourceSlots; ++i) model.Sources(i).Age = 0;
    for (int x = 1; x <= GridSize; ++x)
        for (int y = 1; y <= GridSize; ++y) model.LevelGrid(x, y) = BaseLevel;
}

void PlaceSource(Model& model, Int16 col, Int16 row) {
    for (int i = 1; i <= SourceSlots; ++i) {
        SourceSlot& slot = model.Sources(i);
        if (slot.Age == 0) {
            slot.X = col;
            slot.Y = row;
            slot.Age = 1;
            return;
        }
    }
}

}  // namespace movra
