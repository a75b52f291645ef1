#include "tests/core/reference_tick.h"

namespace movra::testing {

void TickReference(Model& model) {
    for (int i = 1; i <= 10; ++i) {
        SourceSlot& s = model.Sources(i);
        if (s.Age <= 0) continue;
        for (Int16 x = 1; x <= 30; ++x)
            for (Int16 y = 1; y <= 30; ++y) {
                const Int16 dx = Add16(Abs16(Sub16(s.X, x)), 1);
                const Int16 dy = Add16(Abs16(Sub16(s.Y, y)), 1);
                const Int16 d = model.DistanceTable(dx, dy);
                const Int16 w = model.WaveTable(s.Age, d);
                const Int16 L = model.LevelGrid(x, y);
                if (L > 255)
                    model.LevelGrid(x, y) = 255;
                else if (L >= 0)
                    model.LevelGrid(x, y) = Add16(L, w);
                else
                    model.LevelGrid(x, y) = 0;
            }
        s.Age = Add16(s.Age, 1);
        if (s.Age > 30) s.Age = 0;
    }
}

}  // namespace movra::testing
