// The frames of a recording's GIF: the form run headless, one frame a tick,
// the very pixels movra-replay --gif writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/script/script.h"
#include "forms/replay.h"

namespace movra::web {

// Made one at a time, so that the page can let its own events in between.
class GifFrames {
public:
    // scale: device pixels per logical pixel of the frames.
    GifFrames(const std::vector<script::Command>& recording, double scale);

    // The next frame's pixels, 0xAARRGGBB row by row, or nullptr after the
    // last. No run-time error comes: the page's form ran these presses first,
    // and would have ended.
    const std::uint32_t* Next();

private:
    std::vector<script::Command> recording_;
    std::size_t next_ = 0;  // the command to run next
    long ticksRun_ = 0;     // of that command, when it is a tick command
    replay::Replay replay_;
};

}  // namespace movra::web
