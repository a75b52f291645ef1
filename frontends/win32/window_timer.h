// A window timer as the forms' TimerDevice: SetTimer and KillTimer on a message-only window of its own.
#pragma once

#include <windows.h>

#include <functional>

#include "forms/controls.h"

namespace movra::win32 {

class WindowTimer : public forms::TimerDevice {
public:
    // elapsed: run on each WM_TIMER, from the message loop.
    explicit WindowTimer(std::function<void()> elapsed);
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void Set(int intervalMs) override { SetTimer(hwnd_, 1, UINT(intervalMs), nullptr); }
    void Kill() override { KillTimer(hwnd_, 1); }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::function<void()> elapsed_;
    HWND hwnd_ = nullptr;
};

}  // namespace movra::win32
