#include "core/cli/movra_command_line.h"

#include "core/cli/exit_status.h"
#include "core/cli/help_text.h"
#include "core/cli/messages.h"
#include "core/cli/rain_seed.h"
#include "core/cli/script_argument.h"
#include "core/cli/standard_options.h"
#include "core/files/file_system.h"
#include "resources/texts.h"

namespace movra::cli {
namespace {

const char* const Program = "movra";

HelpPage MovraHelp() {
    return {"movra [options]",
            "Ripples on a little pond. Press the pond with the left (or middle) button to\n"
            "drop a ripple source; the right button opens the menu: help, version\n"
            "information, end.\n",
            {HelpOption, VersionOption,
             {{"record"}, "FILE",
              "Record the session into FILE as a movra-replay script: every press on the pond and the "
              "ticks between them."},
             {{"play"}, "FILE",
              "Play a recording (a movra-replay script): its presses land on their ticks; your own "
              "presses work alongside."},
             {{"zoom"}, "N",
              "Show the window N times larger, 1 to 8, for this run (Ctrl with plus, minus or 0, or with the "
              "mouse wheel, zooms too, and is remembered)."},
             {{"full-screen"}, "", "Start in full screen (F11 toggles it, Escape leaves it)."},
             {{"rain"}, "", "Let drops fall on the pond by themselves, about one a second."},
             RainSeedOption},
            {}};
}

// "movra recording.txt" most likely meant to play it.
std::string StrayArgument(const std::string& argument) {
    std::string ignored;
    if (ReadScriptFile(Program, argument, ignored))
        return std::string(Program) + ": Unexpected argument '" + argument +
               "'; to play a recording: movra --play " + argument + '\n';
    return UsageMessage(Program, "Unexpected argument '" + argument + "'.");
}

}  // namespace

MovraCommandLine ReadMovraCommandLine(const std::vector<std::string>& words, const std::vector<Option>& frontEndOptions,
                                      std::string& out, std::string& err) {
    HelpPage help = MovraHelp();
    std::vector<Option> options = help.options;
    options.insert(options.end(), frontEndOptions.begin(), frontEndOptions.end());
    MovraCommandLine commandLine;
    try {
        commandLine.arguments = ParseArguments(options, words);
    } catch (const UsageError& error) {
        err += UsageMessage(Program, error.what());
        return {UsageStatus};
    }
    const Arguments& arguments = commandLine.arguments;
    if (!arguments.positional.empty()) {
        err += StrayArgument(arguments.positional.front());
        return {UsageStatus};
    }
    if (arguments.IsSet("help")) {
        out += HelpText(help);
        return {Success};
    }
    if (arguments.IsSet("version")) {
        out += std::string(texts::Caption) + "\nFile version " + texts::FileVersion + '\n';
        return {Success};
    }
    // Recording would empty the very file being played.
    if (arguments.IsSet("play") && arguments.IsSet("record") &&
        files::SameFile(arguments.Value("play"), arguments.Value("record"))) {
        err += std::string(Program) + ": cannot record into " + arguments.Value("record") + ": it is the recording to play\n";
        return {UsageStatus};
    }
    if (arguments.IsSet("play")) {
        commandLine.play = ReadScriptFile(Program, arguments.Value("play"), err);
        if (!commandLine.play) return {UsageStatus};
    }
    if (arguments.IsSet("zoom")) {
        const std::optional<long long> zoom = WholeNumber(arguments.Value("zoom"), 1, 8);
        if (!zoom) {
            err += UsageMessage(Program, "--zoom must be a whole number from 1 to 8.");
            return {UsageStatus};
        }
        commandLine.zoom = int(*zoom);
    }
    if (!ReadRainSeed(arguments, Program, commandLine.rainSeed, err)) return {UsageStatus};
    commandLine.fullScreen = arguments.IsSet("full-screen");
    commandLine.rain = arguments.IsSet("rain") || commandLine.rainSeed;
    if (arguments.IsSet("record")) commandLine.record = arguments.Value("record");
    return commandLine;
}

}  // namespace movra::cli
