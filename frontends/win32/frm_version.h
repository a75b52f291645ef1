// The about box: the program's name and version, credits and contact details.
#pragma once

#include <windows.h>

#include <array>

#include "frontends/win32/runtime.h"

namespace movra::win32 {

// Modeless, with no icon and no taskbar button; Command1, Enter or Space on
// it, or the close box unloads it. Esc does nothing.
class FrmVersion {
public:
    explicit FrmVersion(Runtime& runtime);
    ~FrmVersion();
    FrmVersion(const FrmVersion&) = delete;
    FrmVersion& operator=(const FrmVersion&) = delete;

    // Shows the box, or brings it forward when shown already.
    void Show();
    bool Loaded() const { return hwnd_ != nullptr; }
    bool TakesDialogKey(MSG& message);

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Command1_Click();
    void Paint(HDC dc) const;

    Runtime& runtime_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    HWND Label1 = nullptr, Label2 = nullptr, Label3 = nullptr, Label4 = nullptr, Label5 = nullptr;
    HWND Command1 = nullptr;
    HBITMAP logo_ = nullptr;     // Image1's picture
    HBRUSH background_ = nullptr;
    std::array<HFONT, 5> fonts_{};  // the window's, Label1's, Label2's, Label4 and 5's, Command1's
};

}  // namespace movra::win32
