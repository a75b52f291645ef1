#include "frontends/qt/qt_runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <chrono>

namespace movra::qt {

Runtime::Runtime()
    : Runtime([](const QString& title, const QString& text) { QMessageBox::critical(nullptr, title, text); },
              [](int status) { QCoreApplication::exit(status); }) {}

Runtime::Runtime(Reporter report, Ender end, Clock clock)
    : report_(std::move(report)), end_(std::move(end)), clock_(std::move(clock)) {}

Runtime::~Runtime() = default;

void Runtime::End(int status) {
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

std::string Runtime::AppPath() { return QCoreApplication::applicationDirPath().toStdString(); }

void Runtime::OpenHelp(const std::string& path) {
    if (!help_) help_ = std::make_unique<qt::HelpViewer>();
    help_->Open(QString::fromStdString(path));
}

void Runtime::ReportError(const RuntimeError& error) {
    report_(QCoreApplication::applicationName(), QString::fromStdString(error.Report()));
}

}  // namespace movra::qt
