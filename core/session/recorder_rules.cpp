#include "core/session/recorder_rules.h"

namespace movra::session {

RecorderRules::RecorderRules(std::chrono::system_clock::time_point start, std::string fileName, Resting resting,
                             Write write, Tell tell)
    : recording_(start), fileName_(std::move(fileName)), resting_(std::move(resting)), write_(std::move(write)),
      tell_(std::move(tell)) {}

void RecorderRules::CountRest() {
    if (const std::optional<int> skipped = resting_()) recording_.Resting(*skipped);
}

void RecorderRules::Pressed(int button, float x, float y) {
    CountRest();
    recording_.Pressed(button, x, y);
}

void RecorderRules::Flush() {
    CountRest();
    const std::string lines = recording_.TakeLines();
    if (lines.empty() || failed_) return;
    const std::optional<std::string> reason = write_(lines);
    if (!reason) return;
    // The pond goes on; the user learns once that the recording has stopped.
    failed_ = true;
    tell_("movra: cannot write " + fileName_ + ": " + *reason + "; the recording stops here\n");
}

}  // namespace movra::session
