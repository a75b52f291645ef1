// Stands in for the Screen Saver Settings dialog: a preview window of its
// own, 152 by 112 pixels at the screen's top-left corner, with movra.scr
// /p HWND drawing into it. A line on standard input closes the window, once
// the size of the saver's child window in it is printed; the exit status is
// then the saver's, or 1 if it has not ended within 5 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND PreviewWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"MovraPreviewHost";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"preview", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 152, 112,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window);
    return window;
}

// Until a line comes on standard input, read on a thread of its own.
void PumpUntilInput() {
    HANDLE line = CreateThread(
        nullptr, 0, [](void*) -> DWORD { return DWORD(std::getchar()); }, nullptr, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &line, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HWND window = PreviewWindow();
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" /p " + std::to_wstring(reinterpret_cast<UINT_PTR>(window));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &saver))
        return 3;
    std::puts("started");
    std::fflush(stdout);
    PumpUntilInput();
    RECT child{};
    GetClientRect(GetWindow(window, GW_CHILD), &child);
    std::printf("child %ldx%ld\n", child.right, child.bottom);
    std::fflush(stdout);
    DestroyWindow(window);
    if (WaitForSingleObject(saver.hProcess, 5000) != WAIT_OBJECT_0) return 1;
    DWORD status = 1;
    GetExitCodeProcess(saver.hProcess, &status);
    return int(status);
}
