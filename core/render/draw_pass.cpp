#include "core/render/draw_pass.h"

#include "core/render/rgb.h"

namespace movra {
namespace {

// Storage position of cell (x, y). The scan keeps x within 1..29 and y within
// 1..30, so it reads the grids directly: a calm pass then costs next to nothing.
constexpr int Cell(int x, int y) { return (x - 1) + (y - 1) * GridSize; }

// Most passes find nothing changed (a calm pond); one straight scan of the
// drawn area, which the compiler can vectorise, tells so without the run logic.
bool AnyDrawnCellChanged(const Int16* level, const Int16* shown) {
    int changed = 0;
    for (int y = 1; y <= DrawnSize; ++y)
        for (int x = 1; x <= DrawnSize; ++x) changed |= level[Cell(x, y)] != shown[Cell(x, y)];
    return changed != 0;
}

}  // namespace

void DrawPass(Model& model, Surface& surface) {
    Int16* level = model.LevelGrid.data();
    Int16* shown = model.ShownGrid.data();
    if (!AnyDrawnCellChanged(level, shown)) return;
    for (int x = 1; x <= DrawnSize; ++x) {
        int y = 1;
        while (y <= DrawnSize) {
            if (level[Cell(x, y)] == shown[Cell(x, y)]) {
                ++y;
                continue;
            }
            const Int16 v = level[Cell(x, y)];
            int yy = y;
            // Cells below join by level alone, even unchanged ones. The order of
            // the two tests matters: row 30 is read, never written.
            while (level[Cell(x, yy + 1)] == v && yy < DrawnSize) {
                ++yy;
                shown[Cell(x, yy)] = v;
                level[Cell(x, yy)] = BaseLevel;
            }
            surface.FillBox(float((x - 1) * CellTwips), float((y - 1) * CellTwips),
                            float(x * CellTwips), float(yy * CellTwips), RGB(0, 0, v));
            shown[Cell(x, y)] = v;
            level[Cell(x, y)] = BaseLevel;
            y = yy + 1;
        }
    }
}

}  // namespace movra
