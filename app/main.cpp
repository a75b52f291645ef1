// Movra: ripples on a small pond. Starts the main window.
#include <QApplication>
#include <cstdlib>

#include "frmmovra.h"
#include "runtime.h"
#include "setup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    movra::SetUpApplication();
    movra::Runtime runtime;
    movra::FrmMovra form(runtime);
    if (runtime.Ended()) return EXIT_FAILURE;  // loading failed and has said so
    form.show();
    return app.exec();
}
