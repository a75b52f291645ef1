// FrmMovra's window: the controls of the shared form, on Win32, and the form over them.
#pragma once

#include <windows.h>

#include "forms/frm_movra.h"
#include "forms/zoom.h"
#include "frontends/win32/full_screen.h"
#include "frontends/win32/html_help.h"
#include "frontends/win32/version_box.h"
#include "frontends/win32/picture_box.h"
#include "frontends/win32/win32_runtime.h"
#include "frontends/win32/window_timer.h"

namespace movra::win32 {

// The window itself is MnuFile's popup menu's owner, and shows it. It is
// zoomed by whole factors, or full screen, and keeps the pond's keys.
class MovraWindow : public forms::PopupMenu {
public:
    // Creates the window and its controls, then the form on them, zoom times
    // the design's size, or as much of that as the monitor's work area takes.
    MovraWindow(Win32Runtime& runtime, int zoom);
    ~MovraWindow() override;
    MovraWindow(const MovraWindow&) = delete;
    MovraWindow& operator=(const MovraWindow&) = delete;

    forms::FrmMovra& form() { return form_; }
    // The pond gets the focus.
    void Show(bool fullScreen);
    // Lets the about box have the keys it handles as a dialog would.
    bool TakesDialogKey(MSG& message) { return version_.TakesDialogKey(message); }

    // At the mouse, wherever the press was; by keyboard at (x, y), its
    // first item selected.
    void Popup(float x, float y, bool byKeyboard) override;

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sizes the window and the pond for its DPI and zoom, or full screen, on
    // a fresh image, and paints the pond there again.
    void Layout();
    void LayOutFullScreen();
    // The window's outer size at zoom.
    SIZE FrameSize(int zoom) const;
    bool Fits(int zoom) const;
    void Zoom(forms::ZoomStep step);
    void ToggleFullScreen();
    bool Key(UINT key);
    void Wheel(WPARAM wParam);

    Win32Runtime& runtime_;
    HWND hwnd_;
    int zoom_ = forms::MinZoom;
    int wheel_ = 0;  // a high-resolution wheel's turn not yet a whole notch
    FullScreen fullScreen_;
    // The controls, named as in the window's design.
    PictureBox Picture1;
    WindowTimer Timer1;
    HMENU MnuFile;
    HtmlHelp help_;
    VersionBox version_;
    forms::FrmMovra form_;  // last: its controls come first
};

}  // namespace movra::win32
