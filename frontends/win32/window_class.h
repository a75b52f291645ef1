// Routes a window's messages to the C++ object that created it.
#pragma once

#include <windows.h>

namespace movra::win32 {

// The object is passed as CreateWindowExW's last argument; T::Handle gets
// every message from WM_NCCREATE on.
template <typename T>
LRESULT CALLBACK Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(hwnd, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registers the class the first time; later calls find it there.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, HICON icon);

}  // namespace movra::win32
