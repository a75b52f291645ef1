// The recorder: writes the session on the pond as a movra-replay script.
#pragma once

#include <QFile>
#include <QObject>
#include <QTimer>
#include <memory>

#include "frontends/qt/frmmovra.h"
#include "core/session/recorder_rules.h"

namespace movra {

// Observes the window's events, which know nothing of it: every press that
// reaches the pond's handler, and the ticks between them, counted by the
// shared recorder rules. The file gets whole lines only, once a second and
// when the window closes or the recorder goes, so that a killed program
// loses at most its last second and leaves a valid script.
class Recorder : public QObject {
    Q_OBJECT

public:
    // file: open for writing; emptied here, then the header goes in.
    Recorder(FrmMovra& form, std::unique_ptr<QFile> file);
    ~Recorder() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();

    FrmMovra& form_;
    std::unique_ptr<QFile> file_;
    session::RecorderRules rules_;
    QTimer flushTimer_;
};

}  // namespace movra
