// The recorder: writes the session on the pond as a movra-replay script.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/session/recording.h"
#include "forms/frm_movra.h"

namespace movra::forms {

// Where a toolkit keeps the recording: a file, or the page's memory.
class RecordSink {
public:
    // Appends the lines and flushes them; the reason when it could not.
    virtual std::optional<std::string> Write(const std::string& lines) = 0;
    // Shows one line (ending in '\n') to the user.
    virtual void Tell(const std::string& message) = 0;

protected:
    ~RecordSink() = default;
};

// Follows the form's events, which know nothing of it: every press that
// reaches the pond's handler, and the ticks between them, those the sleeping
// timer skips included. The sink gets whole lines only, at each Flush (a
// toolkit calls it once a second) and when the form is unloaded or the
// recorder goes, so that a killed program loses at most its last second and
// leaves a valid script. A failed write is told once, and the recording stops.
class Recorder : public FormFollower {
public:
    // sink: emptied already; the header goes in at once. fileName: as the
    // user gave it, for a message.
    Recorder(FrmMovra& form, RecordSink& sink, std::string fileName,
             std::chrono::system_clock::time_point start = std::chrono::system_clock::now());
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Ticked() override { recording_.Ticked(); }
    void Woke(int skipped) override { recording_.Woke(skipped); }
    // After the pond's handler, and so after any ticks its wake-up counts.
    void Pressed(int button, float x, float y) override;
    void Closing() override { Finish(); }

    // Nothing once the form is unloaded: the recording is complete.
    void Flush();

private:
    // While the timer sleeps: the ticks it has skipped so far.
    void CountRest();
    void Finish();

    FrmMovra& form_;
    RecordSink& sink_;
    std::string fileName_;
    session::Recording recording_;
    bool failed_ = false;  // a write failed and has been told
    bool finished_ = false;
};

}  // namespace movra::forms
