// Movra: ripples on a small pond. Starts the main window.
#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "frontends/qt/command_line.h"
#include "frontends/qt/frmmovra.h"
#include "frontends/qt/player.h"
#include "frontends/qt/recorder.h"
#include "frontends/qt/runtime.h"
#include "frontends/qt/setup.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before the application exists, so that help, version and a bad option
    // or file need no display.
    movra::CommandLine commandLine = movra::ReadCommandLine(Arguments(argc, argv), std::cout, std::cerr);
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    // On X11 the pond's few kilobytes a tick are cheaper sent down the
    // connection than through shared memory, which costs a round trip to the
    // server before every frame.
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    movra::SetUpApplication();
    movra::Runtime runtime;
    movra::FrmMovra form(runtime);
    if (runtime.Ended()) return EXIT_FAILURE;  // loading failed and has said so
    form.show();
    // The recorder first: it counts each tick before the player presses on it.
    std::unique_ptr<movra::Recorder> recorder;
    if (commandLine.record) recorder = std::make_unique<movra::Recorder>(form, std::move(commandLine.record));
    std::unique_ptr<movra::Player> player;
    if (commandLine.play) player = std::make_unique<movra::Player>(form, *commandLine.play);
    return app.exec();  // the recorder, going, writes out what is left
}
