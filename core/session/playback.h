// What a player decides, whatever the toolkit: which of a recording's presses
// are due once so many ticks have passed.
#pragma once

#include <cstddef>
#include <vector>

#include "core/script/script.h"

namespace movra::session {

// Ticks count as the recording counted them: those that ran and those the
// timer skipped at rest.
class Playback {
public:
    explicit Playback(const std::vector<script::Command>& recording);

    // The presses due once this many more ticks have passed, in order;
    // Advance(0) at the start gives those before the first tick.
    std::vector<script::Command> Advance(long ticks);
    // Presses are still to come: the timer must not sleep through them.
    bool Pending() const { return next_ < presses_.size(); }

private:
    struct Due {
        long long tick;  // ticks since the start after which the press lands
        script::Command press;
    };

    std::vector<Due> presses_;
    std::size_t next_ = 0;
    long long ticks_ = 0;  // may pass 2^31 on a platform of 32-bit long
};

}  // namespace movra::session
