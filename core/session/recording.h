// What a recorder decides, whatever the toolkit: which ticks count and when,
// and the script lines a session becomes.
#pragma once

#include <chrono>
#include <string>

#include "core/script/script_writer.h"

namespace movra::session {

// Ticks count as the timer would have given them had it never slept at rest:
// those that ran and those it skipped. While it sleeps, the ticks skipped so
// far are counted before a press or a flush; its wake-up then adds the rest.
class Recording {
public:
    // The header comment names the program, its version and the start (UTC).
    explicit Recording(std::chrono::system_clock::time_point start);

    void Ticked();                     // a tick ran
    void Resting(int skippedSoFar);    // the timer sleeps and has skipped this many
    void Woke(int skipped);            // the timer runs again after skipping this many
    void Pressed(int button, float x, float y);  // twips, as the pond's handler got them

    // Whole lines since the last call, ready to append to the file.
    std::string TakeLines() { return writer_.TakeLines(); }

private:
    script::ScriptWriter writer_;
    int restCounted_ = 0;  // ticks of the current sleep already counted
};

}  // namespace movra::session
