// The C interface the web page calls: the program's own model, press mapping
// and drawing pass, with the boxes of each tick kept for the page to paint.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "core/model/model.h"
#include "core/model/press.h"
#include "core/render/recording_surface.h"
#include "core/render/rgb.h"
#include "core/model/runtime_error.h"
#include "core/model/tick_update.h"

namespace {

movra::Model model;
movra::RecordingSurface painted;  // the boxes of the last tick
std::vector<std::int32_t> boxes;  // the same, five integers each, for the page
std::string error_message;        // the last run-time error's text, UTF-8

// A run-time error ends the program, as on the desktop; the page shows the
// message, so it is kept rather than lost in an abort.
int Report(const movra::RuntimeError& error) {
    error_message = error.what();
    return -error.number();
}

}  // namespace

extern "C" {

// Starts from the calm pond: ResetModel then BuildTables, as the window's load
// does. The slots and shown levels are zeroed too, so that a second reset gives
// the state of a fresh start. Returns 0, or minus the run-time error's number.
EMSCRIPTEN_KEEPALIVE int movra_reset() {
    try {
        model.Sources = {};
        model.ShownGrid = {};
        movra::ResetModel(model);
        movra::BuildTables(model);
        boxes.clear();
        return 0;
    } catch (const movra::RuntimeError& error) {
        return Report(error);
    }
}

// A press at (x, y) twips from the pond's inner top-left corner with a button
// code (1 left, 2 right, 4 middle, summed). Returns 1 when the press opens the
// popup menu instead of placing a source, else 0.
EMSCRIPTEN_KEEPALIVE int movra_press(float x, float y, int button) {
    return movra::PressPond(model, movra::Int16(button), x, y) ? 1 : 0;
}

// One timer tick: TickUpdate, then DrawPass. Returns the number of boxes it
// painted, or minus the run-time error's number.
EMSCRIPTEN_KEEPALIVE int movra_tick() {
    painted.boxes.clear();
    boxes.clear();
    try {
        movra::TickUpdate(model);
        movra::DrawPass(model, painted);
    } catch (const movra::RuntimeError& error) {
        return Report(error);
    }
    for (const movra::Box& box : painted.boxes) {
        // Corners are whole multiples of a cell in twips, so nothing is lost.
        boxes.insert(boxes.end(), {std::int32_t(box.x1), std::int32_t(box.y1), std::int32_t(box.x2),
                                   std::int32_t(box.y2), std::int32_t(box.colour)});
    }
    return int(painted.boxes.size());
}

// 1 when the pond is at rest: a tick would paint nothing until the next press,
// so the page can stop its timer.
EMSCRIPTEN_KEEPALIVE int movra_at_rest() { return movra::AtRest(model) ? 1 : 0; }

// The boxes of the last tick in paint order: x1, y1, x2, y2 (twips) and colour
// (blue * 65536 + green * 256 + red) for each.
EMSCRIPTEN_KEEPALIVE const std::int32_t* movra_boxes() { return boxes.data(); }

// The colour now shown in drawn cell (col, row), 1..29, so that the page can
// repaint the whole pond when its canvas has to be sized afresh.
EMSCRIPTEN_KEEPALIVE int movra_shown_colour(int col, int row) {
    if (col < 1 || col > movra::DrawnSize || row < 1 || row > movra::DrawnSize) return -1;
    return int(movra::RGB(0, 0, model.ShownGrid(col, row)));
}

// The text of the last run-time error.
EMSCRIPTEN_KEEPALIVE const char* movra_error_message() { return error_message.c_str(); }

}  // extern "C"
