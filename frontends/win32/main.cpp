// Movra for Windows: ripples on a small pond. Starts the main window.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "core/cli/exit_status.h"
#include "core/cli/messages.h"
#include "core/cli/movra_command_line.h"
#include "forms/player.h"
#include "forms/rain.h"
#include "forms/record_file.h"
#include "forms/recorder.h"
#include "frontends/win32/console.h"
#include "frontends/win32/movra_window.h"
#include "frontends/win32/win32_runtime.h"
#include "frontends/win32/window_timer.h"
#include "frontends/win32/zoom_setting.h"

namespace {

struct CommandLine {
    std::optional<int> exitStatus;  // set when the program ends at once
    std::optional<movra::forms::RecordFile> record;  // open, still as it was
    std::optional<std::vector<movra::script::Command>> play;
    int zoom;  // 0: the one the user last chose
    bool fullScreen;
    std::optional<std::uint32_t> rainSeed;  // set when it rains
};

// Help, version, or a bad command line: said before any window opens.
CommandLine ReadCommandLine() {
    std::string out, err;
    movra::cli::MovraCommandLine decided =
        movra::cli::ReadMovraCommandLine(movra::win32::CommandLineWords(), {}, out, err);
    CommandLine commandLine{decided.exitStatus, std::nullopt, std::move(decided.play), decided.zoom,
                            decided.fullScreen, std::nullopt};
    if (decided.rain) commandLine.rainSeed = decided.rainSeed.value_or(movra::forms::Rain::ClockSeed());
    // Opened last, so that no other refusal leaves a new empty file behind,
    // and for appending, so that a refusal still overwrites nothing.
    if (!commandLine.exitStatus && decided.record) {
        std::error_code reason;
        commandLine.record.emplace(
            *decided.record, [](const std::string& message) { movra::win32::Tell("", message); }, reason);
        if (reason) {
            err += movra::cli::CannotWrite("movra", *decided.record, reason);
            commandLine.exitStatus = movra::cli::UsageStatus;
        }
    }
    if (commandLine.exitStatus) movra::win32::Tell(out, err);
    return commandLine;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CommandLine commandLine = ReadCommandLine();
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    movra::win32::Win32Runtime runtime;
    movra::win32::MovraWindow window(runtime, commandLine.zoom ? commandLine.zoom : movra::win32::StoredZoom());
    movra::forms::FrmMovra& form = window.form();
    form.Load();
    if (form.Ended()) return EXIT_FAILURE;  // loading failed and has said so
    window.Show(commandLine.fullScreen);
    // The recorder first: it counts each tick before the player presses on
    // it. Its file gets what it holds once a second.
    std::unique_ptr<movra::forms::Recorder> recorder;
    std::optional<movra::win32::WindowTimer> flush;
    if (commandLine.record) {
        commandLine.record->Empty();
        recorder = std::make_unique<movra::forms::Recorder>(form, *commandLine.record, commandLine.record->name());
        flush.emplace([&recorder] { recorder->Flush(); });
        flush->Set(1000);
    }
    std::unique_ptr<movra::forms::Player> player;
    if (commandLine.play) player = std::make_unique<movra::forms::Player>(form, *commandLine.play);
    std::optional<movra::win32::WindowTimer> cloud;  // the rain's own timer
    std::unique_ptr<movra::forms::Rain> rain;
    if (commandLine.rainSeed) {
        cloud.emplace([&rain] { rain->Fired(); });
        rain = std::make_unique<movra::forms::Rain>(form, *cloud, *commandLine.rainSeed);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TakesDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);  // the recorder, going, writes out what is left
}
