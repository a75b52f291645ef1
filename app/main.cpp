// Movra: ripples on a small pond. Starts the main window.
#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "command_line.h"
#include "frmmovra.h"
#include "runtime.h"
#include "setup.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    {
        // Before the application exists, so that help, version and a bad
        // option need no display.
        QTextStream out(stdout), err(stderr);
        const movra::CommandLine commandLine = movra::ReadCommandLine(Arguments(argc, argv), out, err);
        if (commandLine.exitStatus) return *commandLine.exitStatus;
    }
    QApplication app(argc, argv);
    movra::SetUpApplication();
    movra::Runtime runtime;
    movra::FrmMovra form(runtime);
    if (runtime.Ended()) return EXIT_FAILURE;  // loading failed and has said so
    form.show();
    return app.exec();
}
