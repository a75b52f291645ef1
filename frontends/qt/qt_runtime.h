// The runtime services in Qt: the clock, the program directory, the help
// viewer, run-time error reports and end.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "forms/controls.h"
#include "frontends/qt/help_viewer.h"

namespace movra::qt {

class Runtime : public forms::Runtime, public forms::HelpViewer {
public:
    // Shows a run-time error to the user.
    using Reporter = std::function<void(const QString& title, const QString& text)>;
    // Ends the event loop with an exit status.
    using Ender = std::function<void(int status)>;
    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    Runtime();  // reports in a message box, ends the application's event loop
    Runtime(Reporter report, Ender end, Clock clock = SteadyClock());
    ~Runtime() override;

    std::int64_t NowMs() override { return clock_(); }
    std::string AppPath() override;
    char PathSeparator() override { return '/'; }
    void ReportError(const RuntimeError& error) override;
    void End(int status) override;
    // Opens the help viewer on a help file; a missing file is the viewer's to report.
    void OpenHelp(const std::string& path) override;

private:
    static Clock SteadyClock();

    Reporter report_;
    Ender end_;
    Clock clock_;
    std::unique_ptr<qt::HelpViewer> help_;
};

}  // namespace movra::qt
