// The monitor a window is on: its whole area, and the work area that the taskbar leaves.
#pragma once

#include <windows.h>

namespace movra::win32 {

inline MONITORINFO MonitorOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace movra::win32
