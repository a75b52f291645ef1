// A fresh program for each test: the main window on a runtime whose error
// reports and ends are recorded instead of shown and acted on.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMetaObject>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

#include "core/script/script.h"
#include "forms/replay.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/qt_runtime.h"

namespace movra {

// The pond as the replay paints it after the commands, a pixel per logical pixel.
inline QImage ReplayedPond(const std::vector<script::Command>& commands) {
    QImage pond;
    replay::Replay().Run(commands, {}, false, [&](long, const ImageSurface& image) {
        pond = QImage(reinterpret_cast<const uchar*>(image.pixels()), image.width(), image.height(),
                      QImage::Format_RGB32)
                   .copy();
    });
    return pond;
}

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<qt::MainWindow>(runtime);
        form->show();
    }

    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // One timer event, as the timer itself delivers it.
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) QMetaObject::invokeMethod(form->Timer1, "timeout");
    }

    template <typename Window>
    static std::vector<Window*> Visible() {
        std::vector<Window*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) windows.push_back(window);
        return windows;
    }

    static void ProcessDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::vector<std::pair<QString, QString>> reports;  // title, text
    std::vector<int> ends;                              // exit statuses
    qint64 now = 0;                                     // the runtime's clock, milliseconds
    qt::Runtime runtime{[this](const QString& title, const QString& text) { reports.emplace_back(title, text); },
                    [this](int status) { ends.push_back(status); }, [this] { return now; }};
    std::unique_ptr<qt::MainWindow> form;
};

}  // namespace movra
