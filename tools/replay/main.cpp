// movra-replay: runs the pond from a script of presses and ticks, without a window.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <iostream>
#include <memory>
#include <optional>

#include "gif_writer.h"
#include "replay.h"
#include "runtime_error.h"

namespace {

using movra::ImageSurface;
using namespace movra::replay;
using namespace movra::script;

constexpr int UsageError = 2;
constexpr int RunTimeErrorStatus = 3;

int Fail(const std::string& reason, int status = UsageError) {
    std::cerr << "movra-replay: " << reason << '\n';
    return status;
}

// A bad option or script, or an output that cannot be written.
struct Stop {
    std::string reason;
};

struct Options {
    bool levels = false;
    QString pngDir, gifPath, script;
    int scale = 1;
};

Options ParseOptions(QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs the Movra pond from a script instead of a mouse and a timer, and prints\n"
        "the boxes each tick paints: 'tick K', then 'box X1 Y1 X2 Y2 COLOUR' lines\n"
        "(twips; COLOUR = blue * 65536 + green * 256 + red).\n\n"
        "Script, one command a line ('#' starts a comment):\n"
        "  press X Y [BUTTON]  a press at X, Y twips from the pond's inner top-left\n"
        "                      corner; BUTTON 1..7 sums 1 left, 2 right, 4 middle\n"
        "                      (default 1); 2 alone prints 'popup' and places nothing\n"
        "  tick [N]            N timer ticks (default 1)");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"levels", "After each tick's boxes, print the level grid and the slots' ages."});
    parser.addOption({"png", "Write the pond after each tick as DIR/tick-0001.png, ...", "DIR"});
    parser.addOption({"gif", "Write an animated GIF of all ticks, 100 ms a frame.", "FILE"});
    parser.addOption({"scale", "Enlarge images N times, 1 to 16 (default 1).", "N", "1"});
    parser.addPositionalArgument("SCRIPT", "The script file; standard input if absent or '-'.");
    if (!parser.parse(app.arguments())) throw Stop{parser.errorText().toStdString()};
    if (parser.isSet("help")) {
        std::cout << parser.helpText().toStdString();
        std::exit(0);
    }
    if (parser.isSet("version")) {
        std::cout << "movra-replay " MOVRA_FILE_VERSION " (Movra Ver0.61)\n";
        std::exit(0);
    }
    Options options;
    options.levels = parser.isSet("levels");
    options.pngDir = parser.value("png");
    options.gifPath = parser.value("gif");
    bool number = false;
    options.scale = parser.value("scale").toInt(&number);
    if (!number || options.scale < 1 || options.scale > 16)
        throw Stop{"--scale must be a whole number from 1 to 16"};
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) throw Stop{"at most one SCRIPT"};
    options.script = positional.value(0, "-");
    return options;
}

std::vector<Command> Load(const QString& path) {
    try {
        return path == "-" ? ReadScript(std::cin) : LoadScript(path.toStdString());
    } catch (const std::runtime_error& error) {
        throw Stop{error.what()};
    }
}

void RequireWritableDir(const QString& dir) {
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isWritable())
        throw Stop{"cannot write into " + dir.toStdString()};
}

QImage ToImage(const ImageSurface& pond) {
    return QImage(reinterpret_cast<const uchar*>(pond.pixels()), pond.width(), pond.height(),
                  QImage::Format_RGB32);
}

int Main(QCoreApplication& app) {
    const Options options = ParseOptions(app);
    const std::vector<Command> commands = Load(options.script);
    if (!options.pngDir.isEmpty()) RequireWritableDir(options.pngDir);

    Replay replay(options.scale);
    std::unique_ptr<GifWriter> gif;
    if (!options.gifPath.isEmpty()) {
        try {
            gif = std::make_unique<GifWriter>(options.gifPath.toStdString(), 120 * options.scale,
                                              119 * options.scale, 10);
        } catch (const std::runtime_error& error) {
            throw Stop{"cannot write " + options.gifPath.toStdString() + ": " + error.what()};
        }
    }
    const auto frame = [&](long tick, const ImageSurface& pond) {
        if (!options.pngDir.isEmpty()) {
            const QString path = QDir(options.pngDir).filePath(QString("tick-%1.png").arg(tick, 4, 10, QChar('0')));
            if (!ToImage(pond).save(path, "PNG")) throw Stop{"cannot write " + path.toStdString()};
        }
        if (gif) gif->Add(pond);
    };
    replay.Run(commands, std::cout, options.levels, frame);
    if (gif) gif->Close();
    std::cout.flush();
    return std::cout ? 0 : Fail("cannot write the trace");
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    QCoreApplication app(argc, argv);
    try {
        return Main(app);
    } catch (const Stop& stop) {
        return Fail(stop.reason);
    } catch (const movra::RuntimeError& error) {
        std::cout.flush();
        return Fail("run-time error " + std::to_string(error.number()) + ": " + error.what(),
                    RunTimeErrorStatus);
    } catch (const std::runtime_error& error) {
        return Fail(error.what());
    }
}
