#include "frontends/qt/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <chrono>
#include <cstdlib>

namespace movra {

Runtime::Runtime()
    : Runtime([](const QString& title, const QString& text) { QMessageBox::critical(nullptr, title, text); },
              [](int status) { QCoreApplication::exit(status); }) {}

Runtime::Runtime(Reporter report, Ender end, Clock clock)
    : report_(std::move(report)), end_(std::move(end)), clock_(std::move(clock)) {}

Runtime::~Runtime() = default;

void Runtime::End(int status) {
    ended_ = true;
    // Hidden, not closed: closing the last window would ask the application
    // to quit a second time, with status 0.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    end_(status);
}

Runtime::Clock Runtime::SteadyClock() {
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

QString Runtime::AppPath() const { return QCoreApplication::applicationDirPath(); }

void Runtime::ShowHelp(const QString& path) {
    if (!help_) help_ = std::make_unique<HelpViewer>();
    help_->Open(path);
}

void Runtime::Fail(const RuntimeError& error) {
    // Stop every handler first: the message box runs its own event loop, in
    // which the timer would otherwise keep raising the same error.
    ended_ = true;
    report_(QCoreApplication::applicationName(), QString::fromStdString(error.Report()));
    End(EXIT_FAILURE);
}

}  // namespace movra
