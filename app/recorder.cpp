#include "recorder.h"

#include <QDateTime>
#include <QEvent>
#include <QTextStream>

namespace movra {

using script::Command;

Recorder::Recorder(FrmMovra& form, std::unique_ptr<QFile> file) : form_(form), file_(std::move(file)) {
    if (!file_->isSequential()) file_->resize(0);  // not a pipe or terminal: empty it
    writer_.Comment("movra " MOVRA_FILE_VERSION " (Movra Ver0.61), recorded " +
                    QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
    Flush();

    // Connected after the window's own handlers, so a press is written after
    // any ticks its wake-up counts.
    connect(form.Picture1, &PictureBox::MouseDown, this, [this](int button, float x, float y) {
        CountMissedTicks();
        writer_.Add({Command::Press, x, y, button});
    });
    connect(form.Timer1, &QTimer::timeout, this, [this] { writer_.Add({Command::Tick}); });
    connect(form.Timer1, &AnimationTimer::Woke, this, [this](int missed) {
        writer_.Add({Command::Tick, 0, 0, 1, missed - missedCounted_});
        missedCounted_ = 0;
    });
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

// While the timer sleeps, the ticks it has skipped so far are counted before
// a press or a flush; its wake-up then reports only the rest.
void Recorder::CountMissedTicks() {
    if (!form_.Timer1->Asleep()) return;
    // Read once: a second reading could pass a grid instant and lose its tick.
    const int missed = form_.Timer1->MissedTicks();
    writer_.Add({Command::Tick, 0, 0, 1, missed - missedCounted_});
    missedCounted_ = missed;
}

void Recorder::Flush() {
    const std::string lines = writer_.TakeLines();
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
