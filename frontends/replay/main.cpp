// movra-replay: runs the pond from a script of presses and ticks, without a window.
#include <unistd.h>  // isatty: MinGW-w64 has it too

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

#include "core/cli/exit_status.h"
#include "frontends/replay/gif_writer.h"
#include "core/cli/help_text.h"
#include "core/cli/messages.h"
#include "core/cli/rain_seed.h"
#include "frontends/replay/png_file.h"
#include "forms/replay.h"
#include "core/model/runtime_error.h"
#include "core/cli/script_argument.h"
#include "frontends/replay/standard_output.h"
#include "core/cli/standard_options.h"
#include "resources/texts.h"

namespace {

using movra::ImageSurface;
using namespace movra::cli;
using namespace movra::replay;
using movra::script::Command;

const char* const Program = "movra-replay";
constexpr int RunTimeErrorStatus = 3;

// A bad option, script or output: its message, whole.
struct Stop {
    std::string message;
};

// As bytes, whatever they hold.
void Write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

const HelpPage& Help() {
    static const HelpPage page{
        "movra-replay [options] [SCRIPT]",
        "Runs the Movra pond from a script instead of a mouse and a timer, and prints\n"
        "the boxes each tick paints: 'tick K', then 'box X1 Y1 X2 Y2 COLOUR' lines\n"
        "(twips; COLOUR = blue * 65536 + green * 256 + red).\n\n"
        "Script, one command a line ('#' starts a comment):\n"
        "  press X Y [BUTTON]  a press at X, Y twips from the pond's inner top-left\n"
        "                      corner; BUTTON 1..7 sums 1 left, 2 right, 4 middle\n"
        "                      (default 1); 2 alone prints 'popup' and places nothing\n"
        "  tick [N]            N timer ticks (default 1)\n",
        {HelpOption, VersionOption,
         {{"levels"}, "", "After each tick's boxes, print the level grid and the slots' ages."},
         {{"png"}, "DIR", "Write the pond after each tick as DIR/tick-0001.png, ..."},
         {{"gif"}, "FILE", "Write an animated GIF of all ticks, 100 ms a frame."},
         {{"scale"}, "N", "Enlarge images N times, 1 to 16 (default 1)."},
         {{"trace"}, "", "With --png or --gif, print the trace too (left out otherwise)."},
         {{"rain"}, "", "Let drops fall by themselves, as the window's --rain does; each is printed as 'press X Y 1' after the lines of the tick it follows."},
         RainSeedOption},
        {{"SCRIPT", "The script file; standard input if absent or '-'."}}};
    return page;
}

struct Options {
    bool levels = false, trace = true;
    std::optional<std::string> pngDir, gifPath;
    int scale = 1;
    std::optional<std::uint32_t> rainSeed;
    std::string script = "-";
};

Options ReadOptions(const Arguments& arguments) {
    Options options;
    options.levels = arguments.IsSet("levels");
    if (arguments.IsSet("png")) options.pngDir = arguments.Value("png");
    if (arguments.IsSet("gif")) options.gifPath = arguments.Value("gif");
    if ((options.pngDir || options.gifPath) && !ImageFilesSupported())
        throw Stop{std::string(Program) + ": --png and --gif are not available in this build; the trace is.\n"};
    // Images are what the user came for; a screenful of trace beside them is noise.
    options.trace = arguments.IsSet("trace") || !(options.pngDir || options.gifPath);
    const std::optional<long long> scale = WholeNumber(arguments.Value("scale", "1"), 1, 16);
    if (!scale) throw Stop{UsageMessage(Program, "--scale must be a whole number from 1 to 16.")};
    options.scale = int(*scale);
    if (std::string error; !ReadRainSeed(arguments, Program, options.rainSeed, error)) throw Stop{error};
    if (!options.rainSeed && arguments.IsSet("rain")) options.rainSeed = movra::forms::Rain::ClockSeed();
    if (arguments.positional.size() > 1)
        throw Stop{UsageMessage(Program, "Unexpected argument '" + arguments.positional[1] + "'.")};
    if (!arguments.positional.empty()) options.script = arguments.positional.front();
    return options;
}

std::vector<Command> Load(const Options& options, bool named) {
    // A terminal would otherwise wait without a word.
    if (!named && isatty(fileno(stdin)))
        Write(stderr, std::string(Program) + ": reading the script from standard input; end it with Ctrl+D " +
                          "(on Windows Ctrl+Z, Enter), or see 'movra-replay --help'.\n");
    std::string error;
    auto commands = options.script == "-" ? ReadStandardInput(Program, error)
                                          : ReadScriptFile(Program, options.script, error);
    if (!commands) throw Stop{error};
    return *commands;
}

void RequireWritableDir(const std::string& dir) {
    if (const std::error_code error = MakePngFolder(dir)) throw Stop{CannotWrite(Program, dir, error)};
}

std::unique_ptr<GifWriter> OpenGif(const std::string& path, int scale) {
    try {
        return std::make_unique<GifWriter>(path, 120 * scale, 119 * scale, 10);
    } catch (const std::system_error& error) {
        throw Stop{CannotWrite(Program, path, error.code())};
    }
}

std::string FramePath(const std::string& dir, long tick) {
    char name[32];
    std::snprintf(name, sizeof name, "tick-%04ld.png", tick);
    return dir + (dir.ends_with('/') ? "" : "/") + name;
}

int Run(const Options& options, bool named) {
    const std::vector<Command> commands = Load(options, named);
    if (options.pngDir) RequireWritableDir(*options.pngDir);
    std::unique_ptr<GifWriter> gif;
    if (options.gifPath) gif = OpenGif(*options.gifPath, options.scale);

    const auto frame = [&](long tick, const ImageSurface& pond) {
        if (options.pngDir) {
            const std::string path = FramePath(*options.pngDir, tick);
            if (!WritePng(path, pond)) throw Stop{std::string(Program) + ": cannot write " + path + '\n'};
        }
        if (gif) gif->Add(pond);
    };
    Replay replay(options.scale);
    if (options.rainSeed) replay.StartRain(*options.rainSeed);
    const TraceSink trace = [](const std::string& lines) { Write(stdout, lines); };
    replay.Run(commands, options.trace ? trace : TraceSink(), options.levels, frame);
    if (gif) gif->Close();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return Success;
    Write(stderr, std::string(Program) + ": cannot write the trace\n");
    return UsageStatus;
}

int Main(const std::vector<std::string>& words) {
    Arguments arguments;
    try {
        arguments = ParseArguments(Help().options, words);
    } catch (const UsageError& error) {
        throw Stop{UsageMessage(Program, error.what())};
    }
    if (arguments.IsSet("help")) {
        Write(stdout, HelpText(Help()));
        return Success;
    }
    if (arguments.IsSet("version")) {
        Write(stdout, std::string("movra-replay ") + movra::texts::FileVersion + " (" + movra::texts::Caption + ")\n");
        return Success;
    }
    return Run(ReadOptions(arguments), !arguments.positional.empty());
}

}  // namespace

int main(int argc, char** argv) {
    WriteStandardOutputAsBytes();
    try {
        return Main(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Stop& stop) {
        Write(stderr, stop.message);
        return UsageStatus;
    } catch (const movra::RuntimeError& error) {
        std::fflush(stdout);
        Write(stderr, std::string(Program) + ": run-time error " + std::to_string(error.number()) + ": " +
                          error.what() + '\n');
        return RunTimeErrorStatus;
    } catch (const std::runtime_error& error) {
        Write(stderr, std::string(Program) + ": " + error.what() + '\n');
        return UsageStatus;
    }
}
