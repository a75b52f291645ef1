#include "frontends/win32/movra_window.h"

#include <windowsx.h>

#include <algorithm>

#include "frontends/win32/dpi.h"
#include "frontends/win32/keys.h"
#include "frontends/win32/monitor.h"
#include "frontends/win32/resources.h"
#include "frontends/win32/text.h"
#include "frontends/win32/window_class.h"
#include "frontends/win32/zoom_setting.h"
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

MovraWindow::MovraWindow(Win32Runtime& runtime, int zoom)
    : runtime_(runtime),
      hwnd_(NewWindow(this)),
      Picture1(
          hwnd_, Wide(texts::PondName), [this](int button, float x, float y) { form_.Picture1_Event(button, x, y); },
          [this](UINT key) { return Key(key); }),
      Timer1([this] { form_.Timer1_Event(); }),
      MnuFile(NewMnuFile()),
      help_(hwnd_),
      version_(runtime),
      form_({Picture1, Timer1, *this, help_, version_, runtime}) {
    runtime_.Opened(hwnd_);
    zoom_ = zoom;
    while (zoom_ > forms::MinZoom && !Fits(zoom_)) --zoom_;
    Layout();
}

MovraWindow::~MovraWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    DestroyMenu(MnuFile);
}

void MovraWindow::Show(bool fullScreen) {
    ShowWindow(hwnd_, SW_SHOWDEFAULT);
    if (fullScreen) ToggleFullScreen();
    SetFocus(Picture1.hwnd());
}

void MovraWindow::Popup(float x, float y, bool byKeyboard) {
    POINT at;
    if (byKeyboard) {
        at = Picture1.ScreenPoint(x, y);
        // The menu's own loop takes this key first, as it does the key that
        // opens a menu bar's menu: the first item is selected.
        PostMessageW(hwnd_, WM_KEYDOWN, VK_DOWN, 0);
    } else {
        GetCursorPos(&at);
    }
    TrackPopupMenu(MnuFile, 0, at.x, at.y, 0, hwnd_, nullptr);
}

SIZE MovraWindow::FrameSize(int zoom) const {
    const int dpi = int(GetDpiForWindow(hwnd_));
    RECT frame{0, 0, TwipsToPixels(1845, dpi * zoom), TwipsToPixels(1815, dpi * zoom)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, UINT(dpi));
    return {Width(frame), Height(frame)};
}

bool MovraWindow::Fits(int zoom) const {
    const SIZE frame = FrameSize(zoom);
    const RECT work = MonitorOf(hwnd_).rcWork;
    return frame.cx <= Width(work) && frame.cy <= Height(work);
}

void MovraWindow::Layout() {
    if (fullScreen_.On()) {
        LayOutFullScreen();
    } else {
        // Kept inside the work area as it grows, to the left and up.
        const SIZE frame = FrameSize(zoom_);
        const RECT work = MonitorOf(hwnd_).rcWork;
        RECT now;
        GetWindowRect(hwnd_, &now);
        const int left = std::max(work.left, std::min(now.left, work.right - frame.cx));
        const int top = std::max(work.top, std::min(now.top, work.bottom - frame.cy));
        SetWindowPos(hwnd_, nullptr, left, top, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        // The pond's box 15 twips from the left, the design's thin border
        // enlarged with it.
        const int dpi = int(GetDpiForWindow(hwnd_));
        Picture1.Place(TwipsToPixels(15, dpi * zoom_), 0, double(dpi * zoom_) / BaseDpi, zoom_);
    }
    form_.Repaint();
}

void MovraWindow::LayOutFullScreen() {
    // The pond alone, on black.
    const RECT area = MonitorOf(hwnd_).rcMonitor;
    SetWindowPos(hwnd_, HWND_TOP, area.left, area.top, Width(area), Height(area), SWP_NOACTIVATE);
    Picture1.PlaceCentred(Width(area), Height(area));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void MovraWindow::Zoom(forms::ZoomStep step) {
    const int zoom = forms::Zoomed(zoom_, step);
    if (fullScreen_.On() || zoom == zoom_ || !Fits(zoom)) return;
    zoom_ = zoom;
    StoreZoom(zoom_);
    Layout();
}

void MovraWindow::ToggleFullScreen() {
    if (fullScreen_.On())
        fullScreen_.Leave(hwnd_);
    else
        fullScreen_.Enter(hwnd_);
    Layout();
}

bool MovraWindow::Key(UINT key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (const auto step = ZoomStepOf(key); step && control) {
        Zoom(*step);
        return true;
    }
    if (key == VK_F11 || (key == VK_ESCAPE && fullScreen_.On())) {
        ToggleFullScreen();
        return true;
    }
    const auto pondKey = PondKeyOf(key);
    if (pondKey) form_.Key_Event(*pondKey, control || GetKeyState(VK_SHIFT) < 0);
    return pondKey.has_value();
}

void MovraWindow::Wheel(WPARAM wParam) {
    wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
    for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) Zoom(forms::ZoomStep::In);
    for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) Zoom(forms::ZoomStep::Out);
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
        if (!fullScreen_.On())
            SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    case WM_SETFOCUS:
        // The pond is the only control that takes the focus.
        SetFocus(Picture1.hwnd());
        return 0;
    case WM_CONTEXTMENU:
        // Shift+F10 or the menu key; a right press has opened the menu already.
        if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
            form_.Key_Event(forms::PondKey::Menu, false);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
            Wheel(wParam);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (fullScreen_.On()) {
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(HDC(wParam), &area, HBRUSH(GetStockObject(BLACK_BRUSH)));
            return 1;
        }
        break;
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
