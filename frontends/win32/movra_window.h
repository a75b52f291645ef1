// FrmMovra's window: the controls of the shared form, on Win32, and the form over them.
#pragma once

#include <windows.h>

#include "forms/frm_movra.h"
#include "frontends/win32/version_box.h"
#include "frontends/win32/html_help.h"
#include "frontends/win32/picture_box.h"
#include "frontends/win32/win32_runtime.h"
#include "frontends/win32/window_timer.h"

namespace movra::win32 {

// The window itself is MnuFile's popup menu's owner, and shows it.
class MovraWindow : public forms::PopupMenu {
public:
    // Creates the window and its controls, then the form on them.
    explicit MovraWindow(Win32Runtime& runtime);
    ~MovraWindow() override;
    MovraWindow(const MovraWindow&) = delete;
    MovraWindow& operator=(const MovraWindow&) = delete;

    forms::FrmMovra& form() { return form_; }
    void Show();
    // Lets the about box have the keys it handles as a dialog would.
    bool TakesDialogKey(MSG& message) { return version_.TakesDialogKey(message); }

    // At the cursor, wherever the press was.
    void Popup(float x, float y, bool byKeyboard) override;

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sizes the window and the pond for dpi, on a fresh image.
    void Layout(int dpi);

    Win32Runtime& runtime_;
    HWND hwnd_;
    // The controls, named as in the window's design.
    PictureBox Picture1;
    WindowTimer Timer1;
    HMENU MnuFile;
    HtmlHelp help_;
    VersionBox version_;
    forms::FrmMovra form_;  // last: its controls come first
};

}  // namespace movra::win32
