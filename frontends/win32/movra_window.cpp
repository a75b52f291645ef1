#include "frontends/win32/movra_window.h"

#include "core/model/press.h"
#include "frontends/win32/dpi.h"
#include "frontends/win32/resources.h"
#include "frontends/win32/text.h"
#include "frontends/win32/window_class.h"
#include "resources/texts.h"

namespace movra::win32 {
namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed single border, close box only
constexpr UINT MnuHelpId = 1, MnuVersionId = 2, MnuEndId = 3;

HWND NewWindow(MovraWindow* window) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(L"MovraFrmMovra", Route<MovraWindow>, CreateSolidBrush(0xc0c0c0),
                        LoadIconW(instance, MAKEINTRESOURCEW(IconId)));
    return CreateWindowExW(0, L"MovraFrmMovra", Wide(texts::Caption).c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                           0, nullptr, nullptr, instance, window);
}

HMENU NewMnuFile() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, MnuHelpId, Wide(texts::MnuHelp).c_str());
    AppendMenuW(menu, MF_STRING, MnuVersionId, Wide(texts::MnuVersion).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);  // MnuCap1
    AppendMenuW(menu, MF_STRING, MnuEndId, Wide(texts::MnuEnd).c_str());
    return menu;
}

}  // namespace

MovraWindow::MovraWindow(Win32Runtime& runtime)
    : runtime_(runtime),
      hwnd_(NewWindow(this)),
      Picture1(hwnd_, [this](int button, float x, float y) { form_.Picture1_Event(button, x, y); }),
      Timer1([this] { form_.Timer1_Event(); }),
      MnuFile(NewMnuFile()),
      help_(hwnd_),
      version_(runtime),
      form_({Picture1, Timer1, *this, help_, version_, runtime}) {
    runtime_.Opened(hwnd_);
    Layout(int(GetDpiForWindow(hwnd_)));
}

MovraWindow::~MovraWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    DestroyMenu(MnuFile);
}

void MovraWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWDEFAULT);
    SetFocus(Picture1.hwnd());
}

void MovraWindow::Popup(float, float, bool) {
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(MnuFile, 0, at.x, at.y, 0, hwnd_, nullptr);
}

void MovraWindow::Layout(int dpi) {
    RECT frame{0, 0, TwipsToPixels(1845, dpi), TwipsToPixels(1815, dpi)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, UINT(dpi));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The pond's inner area, 120 by 119 pixels at 96 DPI, inside a box 15
    // twips from the left.
    Picture1.Place(TwipsToPixels(15, dpi), 0, int(PondWidthTwips) / 15, int(PondHeightTwips) / 15, dpi);
}

LRESULT MovraWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case MnuHelpId: form_.Menu_Event(forms::MenuItem::MnuHelp); return 0;
        case MnuVersionId: form_.Menu_Event(forms::MenuItem::MnuVersion); return 0;
        case MnuEndId: form_.Menu_Event(forms::MenuItem::MnuEnd); return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another density: where Windows suggests, at
        // the new size, every painted cell painted again.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout(HIWORD(wParam));
        form_.Repaint();
        return 0;
    }
    case WM_DESTROY:
        // The window is unloaded, and its timer with it; the program itself
        // ends once no other window of its own is left.
        form_.Unload();
        runtime_.Closed(hwnd);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
