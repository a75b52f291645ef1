// What a recorder decides, whatever the toolkit: when the ticks of a rest are
// counted, and how whole lines reach the file, a failed write told once.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/session/recording.h"

namespace movra::session {

// The front end hands in its timer, its file and its way of telling the
// user, and calls these as its events come.
class RecorderRules {
public:
    // The ticks the sleeping timer has skipped so far; nothing while it runs.
    using Resting = std::function<std::optional<int>()>;
    // Appends the lines and flushes them; the reason when it could not.
    using Write = std::function<std::optional<std::string>(const std::string& lines)>;
    // Shows one line (ending in '\n') to the user.
    using Tell = std::function<void(const std::string& message)>;

    // fileName: as the user gave it, for the message. The header waits for
    // the first Flush, so that the front end can empty the file first.
    RecorderRules(std::chrono::system_clock::time_point start, std::string fileName, Resting resting, Write write,
                  Tell tell);

    void Ticked() { recording_.Ticked(); }
    void Woke(int skipped) { recording_.Woke(skipped); }
    // After the pond's handler, and so after any ticks its wake-up counts.
    void Pressed(int button, float x, float y);
    // Once a second, and once more as the recording ends.
    void Flush();

private:
    void CountRest();

    Recording recording_;
    std::string fileName_;
    Resting resting_;
    Write write_;
    Tell tell_;
    bool failed_ = false;  // a write failed and has been told: the recording has stopped
};

}  // namespace movra::session
