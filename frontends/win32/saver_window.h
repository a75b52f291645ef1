// The screen saver's window: the shared form raining on its own, full screen or in a preview.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "forms/frm_movra.h"
#include "forms/rain.h"
#include "frontends/win32/picture_box.h"
#include "frontends/win32/win32_runtime.h"
#include "frontends/win32/window_timer.h"

namespace movra::win32 {

// The saver's pond takes no press but the rain's, all left presses: its menu,
// help and about box are never asked for, and do nothing.
struct NoCommands : forms::PopupMenu, forms::HelpViewer, forms::AboutBox {
    void Popup(float, float, bool) override {}
    void OpenHelp(const std::string&) override {}
    void ShowVersion() override {}
};

class SaverWindow {
public:
    // preview: the window of the settings' preview to fill as a child, or
    // nullptr for the primary monitor, above everything, without a pointer.
    SaverWindow(Win32Runtime& runtime, HWND preview);
    ~SaverWindow();
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    // Raining from the clock's seed from now on.
    void Start();

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    Win32Runtime& runtime_;
    HWND hwnd_;
    bool fullScreen_;
    PictureBox Picture1;
    WindowTimer Timer1;
    WindowTimer cloud_;  // the rain's own
    NoCommands none_;
    forms::FrmMovra form_;
    std::unique_ptr<forms::Rain> rain_;
};

// Whether a message is the user's return, which ends a full-screen saver: a
// key, a button, or the pointer moved more than a few pixels from where it
// first was (first: kept across calls, set at the first move).
bool EndsSaver(const MSG& message, std::optional<POINT>& first);

}  // namespace movra::win32
