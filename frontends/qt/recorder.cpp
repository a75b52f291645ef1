#include "frontends/qt/recorder.h"

#include <QEvent>
#include <QTextStream>

namespace movra {

Recorder::Recorder(FrmMovra& form, std::unique_ptr<QFile> file)
    : form_(form),
      file_(std::move(file)),
      rules_(
          std::chrono::system_clock::now(), file_->fileName().toStdString(),
          [this]() -> std::optional<int> {
              if (form_.Timer1->Asleep()) return form_.Timer1->MissedTicks();
              return std::nullopt;
          },
          [this](const std::string& lines) -> std::optional<std::string> {
              if (file_->write(lines.data(), qint64(lines.size())) == qint64(lines.size()) && file_->flush())
                  return std::nullopt;
              return file_->errorString().toStdString();
          },
          [](const std::string& message) { QTextStream(stderr) << QString::fromStdString(message); }) {
    if (!file_->isSequential()) file_->resize(0);  // not a pipe or terminal: empty it
    rules_.Flush();

    // Connected after the window's own handlers, so a press is written after
    // any ticks its wake-up counts.
    connect(form.Picture1, &PictureBox::MouseDown, this,
            [this](int button, float x, float y) { rules_.Pressed(button, x, y); });
    connect(form.Timer1, &QTimer::timeout, this, [this] { rules_.Ticked(); });
    connect(form.Timer1, &AnimationTimer::Woke, this, [this](int missed) { rules_.Woke(missed); });
    form.installEventFilter(this);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { rules_.Flush(); });
    flushTimer_.start(1000);
}

Recorder::~Recorder() { Finish(); }

bool Recorder::eventFilter(QObject* watched, QEvent* event) {
    // The window closing ends the pond and its timer: the recording is complete.
    if (watched == &form_ && event->type() == QEvent::Close) Finish();
    return false;
}

void Recorder::Finish() {
    if (!flushTimer_.isActive()) return;
    rules_.Flush();
    flushTimer_.stop();
    disconnect(form_.Picture1, nullptr, this, nullptr);
    disconnect(form_.Timer1, nullptr, this, nullptr);
    form_.removeEventFilter(this);
}

}  // namespace movra
