// The hack: the shared form raining in an X window, run by one loop that
// sleeps on the X connection, the ending signals and the next due timer.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/frm_movra.h"
#include "forms/rain.h"
#include "frontends/xscreensaver/command_line.h"
#include "frontends/xscreensaver/due_timer.h"
#include "frontends/xscreensaver/ending_signals.h"
#include "frontends/xscreensaver/x_pond.h"

namespace movra::xscreensaver {

class Hack {
public:
    // Connects to the display and starts the pond in the command line's
    // window; throws a std::runtime_error when it cannot.
    explicit Hack(const HackCommandLine& commandLine);

    // Until a signal, the window's going or the form's end: the exit status.
    int Run();

private:
    struct CloseDisplay {
        void operator()(Display* display) const { XCloseDisplay(display); }
    };
    // A screen saver is only looked at: no menu, help or about box is ever
    // asked for.
    struct Controls : forms::PopupMenu, forms::HelpViewer, forms::AboutBox, forms::Runtime {
        void Popup(float, float, bool) override {}
        void OpenHelp(const std::string&) override {}
        void ShowVersion() override {}
        std::int64_t NowMs() override;
        std::string AppPath() override { return ""; }
        char PathSeparator() override { return '/'; }
        void ReportError(const RuntimeError& error) override;
        void End(int status) override { endStatus = status; }

        std::optional<int> endStatus;
    };

    void Handle(const XEvent& event);
    void RunDueTimers();
    // Until the X connection, a signal or the next due timer has something.
    void Wait();

    EndingSignals signals_;  // blocked before anything else can be interrupted
    std::unique_ptr<Display, CloseDisplay> display_;
    Window window_;
    bool ownWindow_;
    Atom deleteWindow_;
    XPond pond_;
    Controls controls_;
    DueTimer timer1_, rainDevice_;
    forms::FrmMovra form_;
    std::optional<forms::Rain> rain_;
};

}  // namespace movra::xscreensaver
