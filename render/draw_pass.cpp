#include "draw_pass.h"

#include "rgb.h"

namespace movra {

void DrawPass(Model& model, Surface& surface) {
    auto& level = model.LevelGrid;
    auto& shown = model.ShownGrid;
    for (int x = 1; x <= DrawnSize; ++x) {
        int y = 1;
        while (y <= DrawnSize) {
            if (level(x, y) == shown(x, y)) {
                ++y;
                continue;
            }
            const Int16 v = level(x, y);
            int yy = y;
            // Cells below join by level alone, even unchanged ones. The order of
            // the two tests matters: row 30 is read, never written.
            while (level(x, yy + 1) == v && yy < DrawnSize) {
                ++yy;
                shown(x, yy) = v;
                level(x, yy) = BaseLevel;
            }
            surface.FillBox(float((x - 1) * CellTwips), float((y - 1) * CellTwips),
                            float(x * CellTwips), float(yy * CellTwips), RGB(0, 0, v));
            shown(x, y) = v;
            level(x, y) = BaseLevel;
            y = yy + 1;
        }
    }
}

}  // namespace movra
