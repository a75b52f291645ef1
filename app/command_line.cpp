#include "command_line.h"

#include <QCommandLineParser>

namespace movra {
namespace {

constexpr int UsageError = 2;

// Qt reads these options of its own when the application starts; they are
// declared here only so that they pass instead of counting as unknown.
void AcceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "qwindowicon", "qwindowtitle", "style",
                             "stylesheet", "session"}) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    // Qt's own options take one dash, so words after one dash are whole names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "Ripples on a little pond. Press the pond with the left (or middle) button to\n"
        "drop a ripple source; the right button opens the menu: help, version\n"
        "information, end.");
    const QCommandLineOption help({"h", "help"}, "Show this help and end.");
    const QCommandLineOption version({"v", "version"}, "Show the version and end.");
    const QCommandLineOption record("record",
                                    "Record the session into FILE as a movra-replay script: every "
                                    "press on the pond and the ticks between them.",
                                    "FILE");
    const QCommandLineOption play("play",
                                  "Play a recording (a movra-replay script): its presses land on "
                                  "their ticks; your own presses work alongside.",
                                  "FILE");
    parser.addOptions({help, version, record, play});
    AcceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        err << "movra: " << parser.errorText() << " Try 'movra --help'.\n";
        return {UsageError};
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "movra: Unexpected argument '" << parser.positionalArguments().first() << "'. Try 'movra --help'.\n";
        return {UsageError};
    }
    if (parser.isSet(help)) {
        // Without an application object the parser cannot name the program.
        out << parser.helpText().replace("<executable_name>", "movra");
        return {0};
    }
    if (parser.isSet(version)) {
        out << "Movra Ver0.61\nFile version " << MOVRA_FILE_VERSION << '\n';
        return {0};
    }
    CommandLine commandLine;
    // The recording is opened last, so that no other refusal leaves a new
    // empty file behind, and for appending, so that a refusal at start-up
    // still overwrites nothing.
    if (parser.isSet(play)) {
        try {
            commandLine.play = script::LoadScript(parser.value(play).toStdString());
        } catch (const std::runtime_error& error) {
            err << "movra: " << error.what() << '\n';
            return {UsageError};
        }
    }
    if (parser.isSet(record)) {
        commandLine.record = std::make_unique<QFile>(parser.value(record));
        if (!commandLine.record->open(QIODevice::Append)) {
            err << "movra: cannot write " << parser.value(record) << ": " << commandLine.record->errorString() << '\n';
            return {UsageError};
        }
    }
    return commandLine;
}

}  // namespace movra
