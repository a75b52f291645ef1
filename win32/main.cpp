// Movra for Windows: ripples on a small pond. Starts the main window.
#include <windows.h>

#include <cstdlib>

#include "frm_movra.h"
#include "runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    movra::win32::Runtime runtime;
    movra::win32::FrmMovra form(runtime);
    if (runtime.Ended()) return EXIT_FAILURE;  // loading failed and has said so
    form.Show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.TakesDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
