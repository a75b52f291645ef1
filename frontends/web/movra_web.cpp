// The C interface the page calls: its events, handed to the one program, and
// the session's recording, playing and GIF.
#include <emscripten/emscripten.h>

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "core/model/press.h"
#include "core/render/rgb.h"
#include "forms/zoom.h"
#include "frontends/web/gif_frames.h"
#include "frontends/web/web_program.h"

namespace {

std::optional<movra::web::WebProgram> program;

long long ScriptTicks(const std::vector<movra::script::Command>& script) {
    long long ticks = 0;  // may pass 2^31 where long has 32 bits
    for (const movra::script::Command& command : script)
        if (command.kind == movra::script::Command::Tick) ticks += command.ticks;
    return ticks;
}

}  // namespace

extern "C" {

// Loads the form on a canvas of density device pixels per logical pixel.
EMSCRIPTEN_KEEPALIVE void movra_start(double density) { program.emplace(density); }

// A beat of the timer with this id (0 the form's, 1 the rain's).
EMSCRIPTEN_KEEPALIVE void movra_timer(int id) { program->Fired(id); }

// A press on the device pixel (x, y) from the pond's inner top-left corner;
// button: 1 left, 2 right, 4 middle, summed.
EMSCRIPTEN_KEEPALIVE void movra_press(int button, int x, int y, double density) {
    if (const auto point = movra::PressPoint(x, y, density)) program->form().Picture1_Event(button, point->x, point->y);
}

// A key of the pond's (0..9, in the order of PondKey: the arrows left,
// right, up, down, Home, End, Page Up, Page Down, the drop, the menu);
// fast: Ctrl or Shift held. Returns the cursor's cell, column * 32 + row.
EMSCRIPTEN_KEEPALIVE int movra_key(int key, bool fast) {
    movra::forms::FrmMovra& form = program->form();
    form.Key_Event(movra::forms::PondKey(key), fast);
    return form.cursor().Column() * 32 + form.cursor().Row();
}

// Rain on (1) or off (0); it goes on over a recording played.
EMSCRIPTEN_KEEPALIVE void movra_rain(bool on) { program->SetRain(on); }

// The largest whole factor at which the pond's inner area fits width by
// height device pixels: full screen's.
EMSCRIPTEN_KEEPALIVE int movra_fitting_factor(int width, int height) {
    return movra::forms::FittingFactor(width, height);
}

// A menu item chosen: 0 help, 1 version, 2 end.
EMSCRIPTEN_KEEPALIVE void movra_menu(int item) { program->form().Menu_Event(movra::forms::MenuItem(item)); }

// The canvas was sized afresh for this density: blank, to be painted again.
EMSCRIPTEN_KEEPALIVE void movra_resize(double density) { program->Resize(density); }

// The session so far, UTF-8, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* movra_recording() { return program->Recording().c_str(); }

// Plays a script (size bytes of UTF-8) on a fresh program, once Movra has
// not ended. Returns nullptr, or the reader's reason ("line N: ...") for a
// bad script, which changes nothing: the caller frees it.
EMSCRIPTEN_KEEPALIVE char* movra_play(const char* source, int size) {
    std::vector<movra::script::Command> script;
    try {
        script = movra::script::ReadScript(std::string_view(source, std::size_t(size)));
    } catch (const movra::script::ScriptError& error) {
        return strdup(error.what());
    }
    if (program->form().Ended()) return nullptr;
    const bool raining = program->Raining();
    program.emplace(program->density(), &script);
    program->SetRain(raining);
    return nullptr;
}

// For tests and the curious: how far the pond has run, and the colour drawn
// cell (col, row), 1..29, shows; -1 off the drawn cells.
EMSCRIPTEN_KEEPALIVE long movra_ticks() { return program->Ticks(); }
EMSCRIPTEN_KEEPALIVE int movra_shown_colour(int col, int row) {
    if (col < 1 || col > movra::DrawnSize || row < 1 || row > movra::DrawnSize) return -1;
    return int(movra::RGB(0, 0, program->form().model().ShownGrid(col, row)));
}

// The GIF of the session so far at scale device pixels per logical pixel,
// or nullptr when it has more than maxFrames ticks: its frames one by one
// from movra_gif_frame, until nullptr; then movra_gif_close.
EMSCRIPTEN_KEEPALIVE movra::web::GifFrames* movra_gif_open(double scale, int maxFrames) {
    const auto script = movra::script::ReadScript(program->Recording());
    if (ScriptTicks(script) > maxFrames) return nullptr;
    return new movra::web::GifFrames(script, scale);
}
EMSCRIPTEN_KEEPALIVE const std::uint32_t* movra_gif_frame(movra::web::GifFrames* gif) { return gif->Next(); }
EMSCRIPTEN_KEEPALIVE void movra_gif_close(movra::web::GifFrames* gif) { delete gif; }

}  // extern "C"
