#include "frontends/win32/full_screen.h"

#include "frontends/win32/monitor.h"

namespace movra::win32 {

void FullScreen::Enter(HWND window) {
    if (on_) return;
    placement_.length = sizeof placement_;
    GetWindowPlacement(window, &placement_);
    style_ = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, (style_ & WS_VISIBLE) | WS_POPUP);
    const RECT area = MonitorOf(window).rcMonitor;
    SetWindowPos(window, HWND_TOP, area.left, area.top, Width(area), Height(area), SWP_FRAMECHANGED);
    on_ = true;
}

void FullScreen::Leave(HWND window) {
    if (!on_) return;
    on_ = false;
    SetWindowLongPtrW(window, GWL_STYLE, (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) | (style_ & ~WS_VISIBLE));
    SetWindowPlacement(window, &placement_);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace movra::win32
