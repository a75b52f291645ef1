#include "core/model/tick_update.h"

#include <algorithm>

namespace movra {
namespace {

// Offsets from the source stay inside the tables only for cells 1..30 and ages
// 1..30; anything else would read outside them.
void RequireInTables(const SourceSlot& source) {
    const auto inside = [](Int16 v) { return v >= 1 && v <= GridSize; };
    if (!inside(source.X) || !inside(source.Y) || source.Age > SourceLifetime)
        RaiseSubscriptOutOfRange();
}

// Adds one row of a source's wave to one row of the pond, and tells whether a
// sum overflowed. The limits are applied lazily, before the contribution: a
// level above 255 or below 0 is pulled back to the limit and this source's
// contribution is dropped. The rows never overlap, which lets this vectorise.
bool AddRow(Int16* __restrict level, const Int16* __restrict wave) {
    Int16 overflowed = 0;
    for (int x = 0; x < GridSize; ++x) {
        const Int16 L = level[x], w = wave[x];
        const Int16 clamped = std::min<Int16>(std::max<Int16>(L, 0), 255);
        const Int16 added = clamped == L ? w : 0;
        // Worked in 16 bits so that it vectorises; from 0..255 a sum can only
        // overflow upwards, and then it wraps to a negative level.
        const auto stored = Int16(std::uint16_t(clamped + added));
        overflowed |= Int16(added > 0 && stored < 0);
        level[x] = stored;
    }
    return overflowed != 0;
}

void AddWave(Model& model, const SourceSlot& source) {
    RequireInTables(source);
    bool overflow = false;
    for (int y = 1; y <= GridSize; ++y) {
        const int dy = (source.Y > y ? source.Y - y : y - source.Y) + 1;
        // Column offset x - X of the pond's first column indexes the ring row.
        const Int16* wave = model.RingTable.Row(source.Age, dy) + (GridSize - source.X);
        overflow |= AddRow(model.LevelGrid.data() + (y - 1) * GridSize, wave);
    }
    if (overflow) RaiseOverflow();
}

}  // namespace

void TickUpdate(Model& model) {
    for (int i = 1; i <= SourceSlots; ++i) {
        SourceSlot& source = model.Sources(i);
        if (source.Age <= 0) continue;
        AddWave(model, source);
        source.Age = Add16(source.Age, 1);
        if (source.Age > SourceLifetime) source.Age = 0;
    }
}

bool AtRest(const Model& model) {
    for (int i = 1; i <= SourceSlots; ++i)
        if (model.Sources(i).Age > 0) return false;
    for (int y = 1; y <= DrawnSize; ++y)
        for (int x = 1; x <= DrawnSize; ++x)
            if (model.LevelGrid(x, y) != model.ShownGrid(x, y)) return false;
    return true;
}

}  // namespace movra
