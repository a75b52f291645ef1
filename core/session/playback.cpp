#include "core/session/playback.h"

namespace movra::session {

Playback::Playback(const std::vector<script::Command>& recording) {
    long long tick = 0;
    for (const script::Command& command : recording) {
        if (command.kind == script::Command::Tick)
            tick += command.ticks;
        else
            presses_.push_back({tick, command});
    }
}

std::vector<script::Command> Playback::Advance(long ticks) {
    ticks_ += ticks;
    std::vector<script::Command> due;
    for (; Pending() && presses_[next_].tick <= ticks_; ++next_) due.push_back(presses_[next_].press);
    return due;
}

}  // namespace movra::session
