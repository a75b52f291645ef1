#include "frontends/qt/command_line.h"

#include <cstdio>

#include "core/cli/exit_status.h"
#include "core/cli/messages.h"
#include "core/cli/movra_command_line.h"

namespace movra::qt {
namespace {

// Qt reads these options of its own when the application starts; they are
// declared only so that they pass instead of counting as unknown.
std::vector<cli::Option> QtOptions() {
    std::vector<cli::Option> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "style", "stylesheet", "session"})
        options.push_back({{name}, "value", ""});
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) options.push_back({{name}, "", ""});
    return options;
}

// Without one, Qt would abort with advice to reinstall, which helps no one.
bool HasDisplay(const cli::Arguments& arguments) {
    return arguments.IsSet("platform") || arguments.IsSet("display") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void TellOnStandardError(const std::string& message) { std::fputs(message.c_str(), stderr); }

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> words;
    for (qsizetype i = 1; i < arguments.size(); ++i) words.push_back(arguments[i].toStdString());
    std::string output, errors;
    cli::MovraCommandLine decided = cli::ReadMovraCommandLine(words, QtOptions(), output, errors);
    out << output;
    err << errors;
    if (decided.exitStatus) return {decided.exitStatus};
    if (!HasDisplay(decided.arguments)) {
        err << "movra: no display: set DISPLAY or WAYLAND_DISPLAY, or run it in a desktop session\n";
        return {NoDisplayStatus};
    }
    CommandLine commandLine;
    commandLine.play = std::move(decided.play);
    commandLine.zoom = decided.zoom;
    commandLine.fullScreen = decided.fullScreen;
    commandLine.rain = decided.rain;
    commandLine.rainSeed = decided.rainSeed;
    // The recording is opened last, so that no other refusal leaves a new
    // empty file behind, and for appending, so that a refusal at start-up
    // still overwrites nothing.
    if (decided.record) {
        std::error_code reason;
        commandLine.record.emplace(*decided.record, TellOnStandardError, reason);
        if (reason) {
            err << cli::CannotWrite("movra", *decided.record, reason);
            return {cli::UsageStatus};
        }
    }
    return commandLine;
}

}  // namespace movra::qt
