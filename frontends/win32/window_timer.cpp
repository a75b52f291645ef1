#include "frontends/win32/window_timer.h"

#include "frontends/win32/window_class.h"

namespace movra::win32 {

WindowTimer::WindowTimer(std::function<void()> elapsed) : elapsed_(std::move(elapsed)) {
    RegisterWindowClass(L"MovraTimer", Route<WindowTimer>, nullptr, nullptr);
    hwnd_ = CreateWindowExW(0, L"MovraTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                            this);
}

WindowTimer::~WindowTimer() { DestroyWindow(hwnd_); }

LRESULT WindowTimer::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(hwnd, message, wParam, lParam);
    elapsed_();
    return 0;
}

}  // namespace movra::win32
