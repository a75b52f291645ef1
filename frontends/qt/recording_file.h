// A session recorded in Qt: the file it is written to, and the timer that flushes it once a second.
#pragma once

#include <QFile>
#include <QTimer>
#include <memory>

#include "forms/recorder.h"

namespace movra::qt {

class RecordingFile : public forms::RecordSink {
public:
    // file: open for writing; emptied here, then the recording's header goes in.
    RecordingFile(forms::FrmMovra& form, std::unique_ptr<QFile> file);

    std::optional<std::string> Write(const std::string& lines) override;
    void Tell(const std::string& message) override;

private:
    std::unique_ptr<QFile> file_;
    forms::Recorder recorder_;
    QTimer flush_;
};

}  // namespace movra::qt
