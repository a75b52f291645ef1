// The runtime services the windows rely on: guarded event handlers, the program's windows, end, program directory.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/model/runtime_error.h"

namespace movra::win32 {

class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // Runs one event handler. Once the program is ending no handler runs; a
    // run-time error escaping the handler is reported and ends the program.
    template <typename Handler>
    void Run(Handler&& handler) {
        if (ended_) return;
        try {
            handler();
        } catch (const RuntimeError& error) {
            Fail(error);
        }
    }

    // The program's own top-level windows: once the last one is gone, the
    // program ends with status 0.
    void Opened(HWND window);
    void Closed(HWND window);

    // Ends the program at once: every window goes, no further handler runs,
    // and the message loop ends with this status.
    void End(int status);
    bool Ended() const { return ended_; }

    // The hidden window that owns the program's boxes, as the forms runtime
    // keeps one: it gives them no taskbar button and outlives the main window.
    HWND Owner();

    // The directory that holds the executable, without a trailing backslash
    // but for a drive root ("C:\").
    std::wstring AppPath() const;

private:
    void Fail(const RuntimeError& error);

    std::vector<HWND> windows_;
    HWND owner_ = nullptr;
    bool ended_ = false;
};

}  // namespace movra::win32
