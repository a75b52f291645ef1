// The GIF of a recording: the form run headless, one frame a tick, the very
// pixels and bytes movra-replay --gif writes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/render/gif_encoder.h"
#include "core/script/script.h"
#include "forms/replay.h"

namespace movra::web {

// Made a frame at a time, so that the page can let its own events in between.
class SessionGif {
public:
    // scale: device pixels per logical pixel of the frames.
    SessionGif(const std::vector<script::Command>& recording, double scale);

    // Adds the next frame; false, the file finished, after the last. No
    // run-time error comes: the page's form ran these presses first, and
    // would have ended.
    bool Next();
    // The file, once finished.
    const std::string& Bytes() const { return bytes_; }

private:
    std::vector<script::Command> recording_;
    std::size_t next_ = 0;  // the command to run next
    long ticksRun_ = 0;     // of that command, when it is a tick command
    replay::Replay replay_;
    GifEncoder encoder_;
    std::string bytes_;
};

}  // namespace movra::web
