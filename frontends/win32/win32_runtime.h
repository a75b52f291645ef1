// The runtime's services on Windows: the clock, the program's directory, errors, end, and the program's windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/controls.h"

namespace movra::win32 {

class Win32Runtime : public forms::Runtime {
public:
    Win32Runtime() = default;
    ~Win32Runtime() override;
    Win32Runtime(const Win32Runtime&) = delete;
    Win32Runtime& operator=(const Win32Runtime&) = delete;

    std::int64_t NowMs() override { return std::int64_t(GetTickCount64()); }
    // Without a trailing backslash but for a drive root ("C:\").
    std::string AppPath() override;
    char PathSeparator() override { return '\\'; }
    void ReportError(const RuntimeError& error) override;
    // Every window goes, and the message loop ends with this status.
    void End(int status) override;

    // The program's own top-level windows: once the last one is gone, the
    // program ends with status 0.
    void Opened(HWND window) { windows_.push_back(window); }
    void Closed(HWND window);

    // The hidden window that owns the program's boxes, as the forms runtime
    // keeps one: it gives them no taskbar button and outlives the main window.
    HWND Owner();

private:
    std::vector<HWND> windows_;
    HWND owner_ = nullptr;
    bool ended_ = false;
};

}  // namespace movra::win32
