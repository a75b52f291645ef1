// Writes the script of presses and ticks, a whole line at a time.
#pragma once

#include <string>
#include <string_view>

#include "core/script/script.h"

namespace movra::script {

// Ticks in a row are gathered into one `tick N` line, written when a press
// follows or the lines are taken. Lines are handed out whole, so that a file
// written from them only ever ends on a complete line.
class ScriptWriter {
public:
    void Comment(std::string_view text);  // one line, without a newline
    void Add(const Command& command);
    // The lines since the last call, the gathered ticks included.
    std::string TakeLines();

private:
    void WriteTicks();

    std::string lines_;
    long ticks_ = 0;  // gathered, not yet written
};

}  // namespace movra::script
