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
    parser.addOption(help);
    parser.addOption(version);
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
    return {};
}

}  // namespace movra
