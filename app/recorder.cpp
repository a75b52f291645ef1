#include "recorder.h"

#include <QEvent>
#include <QTextStream>

namespace movra {

Recorder::Recorder(FrmMovra& form, std::unique_ptr<QFile> file)
    : form_(form), file_(std::move(file)), recording_(std::chrono::system_clock::now()) {
    if (!file_->isSequential()) file_->resize(0);  // not a pipe or terminal: empty it
    Flush();

    // Connected after the window's own handlers, so a press is written after
    // any ticks its wake-up counts.
    connect(form.Picture1, &PictureBox::MouseDown, this, [this](int button, float x, float y) {
        CountMissedTicks();
        recording_.Pressed(button, x, y);
    });
    connect(form.Timer1, &QTimer::timeout, this, [this] { recording_.Ticked(); });
    connect(form.Timer1, &AnimationTimer::Woke, this, [this](int missed) { recording_.Woke(missed); });
    form.installEventFilter(this);
    connect(&flushTimer_, &QTimer::timeout, this, [this] {
        CountMissedTicks();
        Flush();
    });
    flushTimer_.start(1000);
}

Recorder::~Recorder() { Finish(); }

bool Recorder::eventFilter(QObject* watched, QEvent* event) {
    // The window closing ends the pond and its timer: the recording is complete.
    if (watched == &form_ && event->type() == QEvent::Close) Finish();
    return false;
}

void Recorder::CountMissedTicks() {
    if (form_.Timer1->Asleep()) recording_.Resting(form_.Timer1->MissedTicks());
}

void Recorder::Flush() {
    const std::string lines = recording_.TakeLines();
    if (lines.empty() || failed_) return;
    if (file_->write(lines.data(), qint64(lines.size())) == qint64(lines.size()) && file_->flush()) return;
    // The pond goes on; the user learns once that the recording has stopped.
    failed_ = true;
    QTextStream(stderr) << "movra: cannot write " << file_->fileName() << ": " << file_->errorString()
                        << "; the recording stops here\n";
}

void Recorder::Finish() {
    if (!flushTimer_.isActive()) return;
    CountMissedTicks();
    Flush();
    flushTimer_.stop();
    disconnect(form_.Picture1, nullptr, this, nullptr);
    disconnect(form_.Timer1, nullptr, this, nullptr);
    form_.removeEventFilter(this);
}

}  // namespace movra
