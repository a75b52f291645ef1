// The runtime services the windows rely on: guarded event handlers, end, program directory, help.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "frontends/qt/helpviewer.h"
#include "core/model/runtime_error.h"

namespace movra {

class Runtime {
public:
    // Shows a run-time error to the user.
    using Reporter = std::function<void(const QString& title, const QString& text)>;
    // Ends the event loop with an exit status.
    using Ender = std::function<void(int status)>;
    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    Runtime();  // reports in a message box, ends the application's event loop
    Runtime(Reporter report, Ender end, Clock clock = SteadyClock());
    ~Runtime();

    // Runs one event handler. Once the program is ending no handler runs; a
    // run-time error escaping the handler is reported and ends the program.
    template <typename Handler>
    void Run(Handler&& handler) {
        if (ended_) return;
        try {
            handler();
        } catch (const RuntimeError& error) {
            Fail(error);
        }
    }

    // Ends the program at once: every window goes, no further handler runs.
    void End(int status);
    bool Ended() const { return ended_; }

    // The directory that holds the executable, without a trailing separator.
    QString AppPath() const;

    // The clock that animation timers keep their grid by.
    const Clock& clock() const { return clock_; }

    // Opens the help viewer on a help file; a missing file is the viewer's to report.
    void ShowHelp(const QString& path);

private:
    static Clock SteadyClock();
    void Fail(const RuntimeError& error);

    Reporter report_;
    Ender end_;
    Clock clock_;
    bool ended_ = false;
    std::unique_ptr<HelpViewer> help_;
};

}  // namespace movra
