#include "frontends/win32/win32_runtime.h"

#include <algorithm>

#include "frontends/win32/text.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {

Win32Runtime::~Win32Runtime() {
    if (owner_) DestroyWindow(owner_);
}

void Win32Runtime::Closed(HWND window) {
    std::erase(windows_, window);
    if (windows_.empty() && !ended_) PostQuitMessage(0);
}

void Win32Runtime::End(int status) {
    ended_ = true;
    // A copy: each window leaves the list as it goes.
    for (HWND window : std::vector<HWND>(windows_)) DestroyWindow(window);
    PostQuitMessage(status);
}

HWND Win32Runtime::Owner() {
    if (!owner_) {
        RegisterWindowClass(L"MovraOwner", DefWindowProcW, nullptr, nullptr);
        owner_ = CreateWindowExW(0, L"MovraOwner", L"Movra", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    return owner_;
}

std::string Win32Runtime::AppPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const std::size_t separator = path.find_last_of(L'\\');
    if (separator == std::wstring::npos) return {};
    // A program in a drive root keeps the backslash of "C:\".
    const bool root = separator > 0 && path[separator - 1] == L':';
    path.resize(root ? separator + 1 : separator);
    return Utf8(path);
}

void Win32Runtime::ReportError(const RuntimeError& error) {
    const std::wstring text = Wide(error.Report());
    MessageBoxW(nullptr, text.c_str(), L"Movra", MB_OK | MB_ICONERROR);
}

}  // namespace movra::win32
