// The C interface to the session: the script reader, the recording and the
// playback the desktop program uses, so that the page records and plays by
// the very same rules and in the very same words.
#include <emscripten/emscripten.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/session/playback.h"
#include "core/session/recording.h"
#include "core/script/script.h"

namespace {

using movra::script::Command;

std::optional<movra::session::Recording> recording;
std::optional<movra::session::Playback> playback;
std::vector<Command> script;  // the last script read, to be played
std::string text;             // the last text handed out: lines or a message
std::vector<float> due;       // x, y (twips) and button of each press due

}  // namespace

extern "C" {

// A fresh recording, its header dated now; no playback.
EMSCRIPTEN_KEEPALIVE void movra_session_start() {
    recording.emplace(std::chrono::system_clock::now());
    playback.reset();
}

EMSCRIPTEN_KEEPALIVE void movra_session_ticked() { recording->Ticked(); }
EMSCRIPTEN_KEEPALIVE void movra_session_resting(int skippedSoFar) { recording->Resting(skippedSoFar); }
EMSCRIPTEN_KEEPALIVE void movra_session_woke(int skipped) { recording->Woke(skipped); }
EMSCRIPTEN_KEEPALIVE void movra_session_pressed(int button, float x, float y) {
    recording->Pressed(button, x, y);
}

// The recording's whole lines since the last call, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* movra_session_lines() {
    text = recording->TakeLines();
    return text.c_str();
}

// Reads a script whole (size bytes of UTF-8) and keeps it for movra_play.
// Returns its number of ticks, or -1 with the reason in movra_script_error
// ("line N: ...").
EMSCRIPTEN_KEEPALIVE double movra_script_read(const char* source, int size) {
    try {
        script = movra::script::ReadScript(std::string_view(source, std::size_t(size)));
    } catch (const movra::script::ScriptError& error) {
        text = error.what();
        return -1;
    }
    double ticks = 0;
    for (const Command& command : script)
        if (command.kind == Command::Tick) ticks += double(command.ticks);
    return ticks;
}

EMSCRIPTEN_KEEPALIVE const char* movra_script_error() { return text.c_str(); }

// Plays the script last read, from now on: the presses land through
// movra_play_advance, and the recording starts afresh, as the pond does.
EMSCRIPTEN_KEEPALIVE void movra_play() {
    movra_session_start();
    playback.emplace(script);
}

// The presses due once this many more ticks have passed (0 at the start, for
// those before the first tick); their x, y and button in movra_play_presses.
EMSCRIPTEN_KEEPALIVE int movra_play_advance(int ticks) {
    due.clear();
    if (!playback) return 0;
    for (const Command& press : playback->Advance(ticks)) due.insert(due.end(), {press.x, press.y, float(press.button)});
    return int(due.size() / 3);
}

EMSCRIPTEN_KEEPALIVE const float* movra_play_presses() { return due.data(); }

// 1 while presses are still to come: the page's timer may not sleep then.
EMSCRIPTEN_KEEPALIVE int movra_play_pending() { return playback && playback->Pending() ? 1 : 0; }

}  // extern "C"
