#include "frontends/win32/console.h"

#include <windows.h>

#include <shellapi.h>

#include "frontends/win32/text.h"

namespace movra::win32 {
namespace {

// A handle the program inherited that leads somewhere other than a console.
bool Redirected(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_CHAR &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void Write(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    WriteFile(handle, text.data(), DWORD(text.size()), &written, nullptr);
}

void WriteToConsole(const wchar_t* device, const std::string& text) {
    HANDLE console = CreateFileW(device, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) return;
    const std::wstring wide = Wide(text);
    DWORD written = 0;
    ::WriteConsoleW(console, wide.data(), DWORD(wide.size()), &written, nullptr);
    CloseHandle(console);
}

}  // namespace

std::vector<std::string> CommandLineWords() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; i < count; ++i) utf8.push_back(Utf8(words[i]));
    LocalFree(words);
    return utf8;
}

void Tell(const std::string& out, const std::string& err) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE), error = GetStdHandle(STD_ERROR_HANDLE);
    if (Redirected(output) || Redirected(error)) {
        if (Redirected(output)) Write(output, out);
        if (Redirected(error)) Write(error, err);
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        // The console has one screen for both.
        WriteToConsole(L"CONOUT$", out + err);
        return;
    }
    const std::wstring text = Wide(out + err);
    MessageBoxW(nullptr, text.c_str(), L"Movra", MB_OK | (err.empty() ? MB_ICONINFORMATION : MB_ICONERROR));
}

}  // namespace movra::win32
