#include "frontends/win32/saver_window.h"

#include <cstdlib>

#include "frontends/win32/monitor.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

constexpr int StillPixels = 4;  // a pointer that moves less is a shaken desk, not the user

HWND NewWindow(SaverWindow* window, HWND preview) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(L"MovraSaver", Route<SaverWindow>, HBRUSH(GetStockObject(BLACK_BRUSH)), nullptr);
    if (preview) {
        RECT area;
        GetClientRect(preview, &area);
        return CreateWindowExW(0, L"MovraSaver", L"Movra", WS_CHILD | WS_VISIBLE, 0, 0, Width(area), Height(area),
                               preview, nullptr, instance, window);
    }
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    const RECT& area = primary.rcMonitor;
    return CreateWindowExW(WS_EX_TOPMOST, L"MovraSaver", L"Movra", WS_POPUP | WS_VISIBLE, area.left, area.top,
                           Width(area), Height(area), nullptr, nullptr, instance, window);
}

}  // namespace

SaverWindow::SaverWindow(Win32Runtime& runtime, HWND preview)
    : runtime_(runtime),
      hwnd_(NewWindow(this, preview)),
      fullScreen_(preview == nullptr),
      Picture1(
          hwnd_, L"", [](int, float, float) {}, [](UINT) { return false; }),
      Timer1([this] { form_.Timer1_Event(); }),
      cloud_([this] { rain_->Fired(); }),
      form_({Picture1, Timer1, none_, none_, none_, runtime}) {
    runtime_.Opened(hwnd_);
    RECT area;
    GetClientRect(hwnd_, &area);
    Picture1.PlaceCentred(Width(area), Height(area));
}

SaverWindow::~SaverWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void SaverWindow::Start() {
    form_.Load();
    if (!form_.Ended()) rain_ = std::make_unique<forms::Rain>(form_, cloud_, forms::Rain::ClockSeed());
}

LRESULT SaverWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (!fullScreen_) break;
        SetCursor(nullptr);
        return TRUE;
    case WM_ACTIVATEAPP:
        // Another program came forward: the user is back.
        if (fullScreen_ && !wParam) runtime_.End(EXIT_SUCCESS);
        break;
    case WM_DESTROY:
        form_.Unload();
        runtime_.Closed(hwnd);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool EndsSaver(const MSG& message, std::optional<POINT>& first) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return true;
    case WM_MOUSEMOVE: {
        // In screen pixels: the pond and the black around it are windows of their own.
        POINT at = message.pt;
        if (!first) first = at;
        return std::abs(at.x - first->x) > StillPixels || std::abs(at.y - first->y) > StillPixels;
    }
    }
    return false;
}

}  // namespace movra::win32
