#include "forms/recorder.h"

namespace movra::forms {

Recorder::Recorder(FrmMovra& form, RecordSink& sink, std::string fileName, std::chrono::system_clock::time_point start)
    : form_(form),
      rules_(
          start, std::move(fileName),
          [&form]() -> std::optional<int> {
              if (form.Timer1().Asleep()) return form.Timer1().MissedTicks();
              return std::nullopt;
          },
          [&sink](const std::string& lines) { return sink.Write(lines); },
          [&sink](const std::string& message) { sink.Tell(message); }) {
    rules_.Flush();
    form.Follow(*this);
}

Recorder::~Recorder() {
    Finish();
    form_.Unfollow(*this);
}

void Recorder::Flush() {
    if (!finished_) rules_.Flush();
}

void Recorder::Finish() {
    Flush();
    finished_ = true;
}

}  // namespace movra::forms
