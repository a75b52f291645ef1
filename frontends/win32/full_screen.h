// Full screen: a window as a borderless popup over its whole monitor, and back as it was.
#pragma once

#include <windows.h>

namespace movra::win32 {

class FullScreen {
public:
    bool On() const { return on_; }
    // Keeps the window's style and place, and covers its monitor.
    void Enter(HWND window);
    // The style and place the window had before Enter.
    void Leave(HWND window);

private:
    bool on_ = false;
    LONG_PTR style_ = 0;
    WINDOWPLACEMENT placement_{};
};

}  // namespace movra::win32
