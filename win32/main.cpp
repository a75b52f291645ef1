// Movra for Windows: ripples on a small pond. Starts the main window.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <sstream>

#include "console.h"
#include "exit_status.h"
#include "frm_movra.h"
#include "movra_command_line.h"
#include "runtime.h"

namespace {

// Help, version, or a bad command line: said before any window opens.
std::optional<int> ReadCommandLine() {
    std::ostringstream out, err;
    const movra::cli::MovraCommandLine commandLine =
        movra::cli::ReadMovraCommandLine(movra::win32::CommandLineWords(), {}, out, err);
    std::optional<int> status = commandLine.exitStatus;
    if (!status && (commandLine.record || commandLine.play)) {
        err << "movra: --record and --play are not in the Windows version yet\n";
        status = movra::cli::UsageStatus;
    }
    if (status) movra::win32::Tell(out.str(), err.str());
    return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (const std::optional<int> status = ReadCommandLine()) return *status;
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
