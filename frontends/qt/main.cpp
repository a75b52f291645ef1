// Movra: ripples on a small pond. Starts the main window.
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "forms/player.h"
#include "forms/rain.h"
#include "forms/recorder.h"
#include "frontends/qt/command_line.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/qt_runtime.h"
#include "frontends/qt/qt_timer.h"
#include "frontends/qt/setup.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace movra::qt;
    // Before the application exists, so that help, version and a bad option
    // or file need no display.
    CommandLine commandLine = ReadCommandLine(Arguments(argc, argv), std::cout, std::cerr);
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    // On X11 the pond's few kilobytes a tick are cheaper sent down the
    // connection than through shared memory, which costs a round trip to the
    // server before every frame.
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    SetUpApplication();
    Runtime runtime;
    MainWindow window(runtime, commandLine.zoom);
    if (window.form().Ended()) return EXIT_FAILURE;  // loading failed and has said so
    if (commandLine.fullScreen)
        window.SetFullScreen(true);
    else
        window.show();
    // Followers are told in this order. The recorder first: it counts each
    // tick before the rain or the player presses on it.
    // Its file gets what it holds once a second.
    std::unique_ptr<movra::forms::Recorder> recorder;
    QTimer flush;
    if (commandLine.record) {
        commandLine.record->Empty();
        recorder = std::make_unique<movra::forms::Recorder>(window.form(), *commandLine.record,
                                                            commandLine.record->name());
        QObject::connect(&flush, &QTimer::timeout, [&recorder] { recorder->Flush(); });
        flush.start(1000);
    }
    QtTimer rainTimer(nullptr);
    std::unique_ptr<movra::forms::Rain> rain;
    if (commandLine.rain) {
        rain = std::make_unique<movra::forms::Rain>(window.form(), rainTimer,
                                                    commandLine.rainSeed.value_or(movra::forms::Rain::ClockSeed()));
        QObject::connect(&rainTimer, &QTimer::timeout, [&rain] { rain->Fired(); });
    }
    std::unique_ptr<movra::forms::Player> player;
    if (commandLine.play) player = std::make_unique<movra::forms::Player>(window.form(), *commandLine.play);
    return app.exec();  // the recorder, going, writes out what is left
}
