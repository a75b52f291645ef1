#include "forms/recorder.h"

namespace movra::forms {

Recorder::Recorder(FrmMovra& form, RecordSink& sink, std::string fileName, std::chrono::system_clock::time_point start)
    : form_(form), sink_(sink), fileName_(std::move(fileName)), recording_(start) {
    Flush();
    form.Follow(*this);
}

Recorder::~Recorder() {
    Finish();
    form_.Unfollow(*this);
}

void Recorder::Pressed(int button, float x, float y) {
    CountRest();
    recording_.Pressed(button, x, y);
}

void Recorder::CountRest() {
    if (form_.Timer1().Asleep()) recording_.Resting(form_.Timer1().MissedTicks());
}

void Recorder::Flush() {
    if (finished_) return;
    CountRest();
    const std::string lines = recording_.TakeLines();
    if (lines.empty() || failed_) return;
    const std::optional<std::string> reason = sink_.Write(lines);
    if (!reason) return;
    // The pond goes on; the user learns once that the recording has stopped.
    failed_ = true;
    sink_.Tell("movra: cannot write " + fileName_ + ": " + *reason + "; the recording stops here\n");
}

void Recorder::Finish() {
    Flush();
    finished_ = true;
}

}  // namespace movra::forms
