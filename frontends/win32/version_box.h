// FrmVersion: the about box, a window built from the design in forms/frm_version.h.
#pragma once

#include <windows.h>

#include <vector>

#include "forms/controls.h"
#include "forms/frm_version.h"
#include "frontends/win32/win32_runtime.h"

namespace movra::win32 {

// Modeless, owned by the runtime's hidden window: no icon and no taskbar
// button. Command1, Enter or Space on it, or the close box unloads it; Esc
// does nothing. One box at a time: once closed it is gone, and the next one
// loads afresh.
class VersionBox : public forms::AboutBox {
public:
    explicit VersionBox(Win32Runtime& runtime) : runtime_(runtime) {}
    ~VersionBox() override;
    VersionBox(const VersionBox&) = delete;
    VersionBox& operator=(const VersionBox&) = delete;

    // Loads the box if it is not, and brings it forward.
    void ShowVersion() override;
    // Lets the box have the keys it handles as a dialog would.
    bool TakesDialogKey(MSG& message) { return hwnd_ && IsDialogMessageW(hwnd_, &message); }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Load();
    HWND NewControl(const wchar_t* windowClass, const forms::DesignedControl& control, DWORD style, int id = 0);
    void Paint(HDC dc) const;
    void Unloaded();

    Win32Runtime& runtime_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    HWND Command1 = nullptr;
    HBITMAP logo_ = nullptr;  // Image1's picture
    HBRUSH background_ = nullptr;
    std::vector<HFONT> fonts_;  // the controls'

};

}  // namespace movra::win32
