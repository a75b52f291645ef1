#include "frontends/win32/runtime.h"

#include <algorithm>
#include <cstdlib>

#include "frontends/win32/text.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {

Runtime::Runtime() = default;

Runtime::~Runtime() {
    if (owner_) DestroyWindow(owner_);
}

void Runtime::Opened(HWND window) { windows_.push_back(window); }

void Runtime::Closed(HWND window) {
    std::erase(windows_, window);
    if (windows_.empty() && !ended_) PostQuitMessage(0);
}

void Runtime::End(int status) {
    ended_ = true;
    // A copy: each window leaves the list as it goes.
    for (HWND window : std::vector<HWND>(windows_)) DestroyWindow(window);
    PostQuitMessage(status);
}

HWND Runtime::Owner() {
    if (!owner_) {
        RegisterWindowClass(L"MovraOwner", DefWindowProcW, nullptr, nullptr);
        owner_ = CreateWindowExW(0, L"MovraOwner", L"Movra", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    return owner_;
}

std::wstring Runtime::AppPath() const {
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
    return path;
}

void Runtime::Fail(const RuntimeError& error) {
    // Stop every handler first: the message box runs its own message loop,
    // in which the timer would otherwise keep raising the same error.
    ended_ = true;
    const std::wstring text = Wide(error.Report());
    MessageBoxW(nullptr, text.c_str(), L"Movra", MB_OK | MB_ICONERROR);
    End(EXIT_FAILURE);
}

}  // namespace movra::win32
