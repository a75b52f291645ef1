// The controls that the forms' code calls, which each toolkit supplies, as the
// original's forms runtime supplied them.
#pragma once

#include <cstdint>
#include <string>

#include "core/model/runtime_error.h"
#include "core/render/surface.h"

namespace movra::forms {

// Picture1: a surface that keeps what is painted on it (twips, origin at its
// inner top-left corner).
class PictureBox : public Surface {
public:
    // Puts what was painted since the last refresh on the screen now.
    virtual void Refresh() = 0;
};

// A periodic timer of the toolkit, on which Timer1 and the recorder's flush run.
class TimerDevice {
public:
    virtual ~TimerDevice() = default;
    // Fires every intervalMs milliseconds from now on, in place of any earlier setting.
    virtual void Set(int intervalMs) = 0;
    virtual void Kill() = 0;
};

// MnuFile, shown as a popup menu; the chosen item comes back to the form.
class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // At the mouse position: (x, y) twips on the pond is where the press that
    // opened it was, for toolkits whose pointer is elsewhere (a recording).
    // byKeyboard: opened by a key, at the keyboard's cursor (x, y): shown
    // there, its first item selected, as a menu opened from the keyboard is.
    virtual void Popup(float x, float y, bool byKeyboard) = 0;
};

// The platform's help viewer.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // path: UTF-8; a missing file is the viewer's to report.
    virtual void OpenHelp(const std::string& path) = 0;
};

// FrmVersion: loaded from its design on first use, one instance at a time.
class AboutBox {
public:
    virtual ~AboutBox() = default;
    virtual void ShowVersion() = 0;
};

// The runtime's own services.
class Runtime {
public:
    virtual ~Runtime() = default;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t NowMs() = 0;
    // The directory that holds the executable (UTF-8), and the separator of
    // its paths, which AppDir ends in.
    virtual std::string AppPath() = 0;
    virtual char PathSeparator() = 0;
    // Shows an untrapped run-time error; the program ends after it.
    virtual void ReportError(const RuntimeError& error) = 0;
    // Ends the program at once: every window goes, no further event runs.
    virtual void End(int status) = 0;
};

// What FrmMovra is given: a toolkit's controls, living as long as the form.
struct Controls {
    PictureBox& Picture1;
    TimerDevice& Timer1;
    PopupMenu& MnuFile;
    HelpViewer& help;
    AboutBox& version;
    Runtime& runtime;
};

}  // namespace movra::forms
