#include "frontends/xscreensaver/command_line.h"

#include <charconv>

#include "core/cli/exit_status.h"
#include "core/cli/help_text.h"
#include "core/cli/messages.h"
#include "core/cli/rain_seed.h"
#include "core/cli/standard_options.h"
#include "resources/texts.h"

namespace movra::xscreensaver {
namespace {

using namespace movra::cli;

const char* const Program = "movra";

HelpPage HackHelp() {
    return {"movra [options]",
            "The Movra pond as an xscreensaver hack: drops fall on it by themselves, about\n"
            "one a second, and it is drawn as large as it fits, centred on black.\n",
            {HelpOption, VersionOption,
             {{"root"}, "", "Draw on the root window (or on XSCREENSAVER_WINDOW's window, if it is set)."},
             {{"window-id"}, "ID", "Draw in the window ID (decimal, or hexadecimal after 0x)."},
             RainSeedOption},
            {}};
}

// An X resource id, as xscreensaver and xwininfo write it: decimal, or hexadecimal after 0x.
std::optional<unsigned long> WindowId(const std::string& text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const char *first = text.data() + (hex ? 2 : 0), *last = text.data() + text.size();
    unsigned long id = 0;
    const auto [end, error] = std::from_chars(first, last, id, hex ? 16 : 10);
    // The protocol's ids have 29 bits; 0 is None.
    if (first == last || error != std::errc() || end != last || id == 0 || id > 0x1fffffff) return std::nullopt;
    return id;
}

// The window to draw in, or the reason why the line cannot be run.
std::optional<std::string> ReadTarget(const Arguments& arguments, const char* screensaverWindow,
                                      HackCommandLine& commandLine) {
    std::string named = arguments.Value("window-id");
    if (!arguments.IsSet("window-id") && screensaverWindow) named = screensaverWindow;
    if (arguments.IsSet("window-id") || screensaverWindow) {
        const std::optional<unsigned long> id = WindowId(named);
        if (!id) return arguments.IsSet("window-id") ? "-window-id must be a window id, such as 0x1a00004."
                                                     : "XSCREENSAVER_WINDOW is not a window id: '" + named + "'.";
        commandLine.target = Target::GivenWindow;
        commandLine.windowId = *id;
    } else if (arguments.IsSet("root")) {
        commandLine.target = Target::Root;
    }
    return std::nullopt;
}

}  // namespace

HackCommandLine ReadHackCommandLine(const std::vector<std::string>& words, const char* screensaverWindow,
                                    std::string& out, std::string& err) {
    const HelpPage help = HackHelp();
    Arguments arguments;
    try {
        arguments = ParseArguments(help.options, words);
    } catch (const UsageError& error) {
        err += UsageMessage(Program, error.what());
        return {UsageStatus};
    }
    if (!arguments.positional.empty()) {
        err += UsageMessage(Program, "Unexpected argument '" + arguments.positional.front() + "'.");
        return {UsageStatus};
    }
    if (arguments.IsSet("help")) {
        out += HelpText(help);
        return {Success};
    }
    if (arguments.IsSet("version")) {
        out += std::string(texts::Caption) + " (xscreensaver)\nFile version " + texts::FileVersion + '\n';
        return {Success};
    }
    HackCommandLine commandLine;
    if (const std::optional<std::string> reason = ReadTarget(arguments, screensaverWindow, commandLine)) {
        err += UsageMessage(Program, *reason);
        return {UsageStatus};
    }
    if (!ReadRainSeed(arguments, Program, commandLine.rainSeed, err)) return {UsageStatus};
    return commandLine;
}

}  // namespace movra::xscreensaver
