// The window zoomed by whole factors, the zoom remembered between runs, and full screen.
#include <gtest/gtest.h>

#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>

#include "core/script/script.h"
#include "tests/frontends/qt/program_fixture.h"

namespace movra {
namespace {

using script::Command;

constexpr int CellsAcross = 29 * 4;  // the painted cells, in logical pixels at 1x

// A left press at a point of the widget, in its logical pixels.
void Press(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Counts the pixels of shown's painted cells, from its (left, top) and factor
// times enlarged, that differ from the replay's picture after the commands.
int DifferingPixels(const QImage& shown, QPoint topLeft, int factor, const std::vector<Command>& commands) {
    const QImage replayed = ReplayedPond(commands);
    int differing = 0;
    for (int y = 0; y < CellsAcross * factor; ++y)
        for (int x = 0; x < CellsAcross * factor; ++x)
            differing += shown.pixel(topLeft + QPoint(x, y)) != replayed.pixel(x / factor, y / factor);
    return differing;
}

class ZoomTest : public ProgramTest {
protected:
    void TearDown() override {
        ProgramTest::TearDown();
        QSettings settings;
        settings.clear();
        settings.sync();
        QFile::remove(SettingsFile());
    }

    // A start of the program: the window at zoom (0: as remembered).
    void Start(int zoom) {
        form = std::make_unique<qt::MainWindow>(runtime, zoom);
        form->show();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(form->Picture1, Qt::Key(key), modifiers); }

    // To the window, where the pond's wheel events go on to: Qt passes on
    // only those of the window system.
    void Wheel(int angle, Qt::KeyboardModifiers modifiers) {
        const QPointF at(30, 30);
        QWheelEvent wheel(at, form->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(form.get(), &wheel);
    }

    static QString SettingsFile() { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Movra/Movra.conf"; }

    static QSize Client(int factor) { return QSize(123, 121) * factor; }
};

TEST_F(ZoomTest, AtThreeTimesTheWindowIs369By363AndItsPressesLeaveTheReplaysCellsPixelForPixel) {
    Start(3);
    EXPECT_EQ(form->size(), QSize(369, 363));
    EXPECT_EQ(form->grab().size(), QSize(369, 363));
    // Device pixels from the inner corner, 5 twips each at 3x: the first, a
    // tie between columns 1 and 2 (30 twips: column 2), one in the middle.
    const QPoint pressed[] = {{0, 0}, {6, 350}, {203, 97}};
    std::vector<Command> commands;
    for (const QPoint device : pressed) {
        Press(form->Picture1, device + QPoint(3, 3));  // inside the 3-pixel border
        commands.push_back({Command::Press, device.x() * 5.0f, device.y() * 5.0f});
    }
    EXPECT_EQ(form->model().Sources(2).X, 2);
    Tick(7);
    commands.push_back({Command::Tick, 0, 0, 1, 7});
    const QImage shown = form->Picture1->grab().toImage();
    EXPECT_EQ(DifferingPixels(shown, {3, 3}, 3, commands), 0);
    EXPECT_EQ(shown.pixel(1, 100), qRgb(0, 0, 0));  // the border, 3 pixels wide
}

TEST_F(ZoomTest, CtrlWithPlusMinusOrTheWheelStepsTheSizeAsFarAsTheScreenAllowsAndCtrl0GivesBack123By121) {
    Start(1);
    const QSize available = form->screen()->availableGeometry().size();
    const int fitting = std::min({forms::MaxZoom, available.width() / 123, available.height() / 121});
    ASSERT_GE(fitting, 3);
    Key(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);  // Ctrl+Shift+= on a US keyboard
    EXPECT_EQ(form->size(), Client(2));
    Key(Qt::Key_Equal, Qt::ControlModifier);
    Key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(form->size(), Client(std::min(4, fitting)));
    for (int i = 0; i < 8; ++i) Key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->size(), Client(fitting));  // a step that would not fit is not taken
    EXPECT_EQ(form->Picture1->geometry(), QRect(fitting, 0, 122 * fitting, 121 * fitting));
    Key(Qt::Key_Minus, Qt::ControlModifier);
    Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    Key(Qt::Key_Plus, Qt::NoModifier);  // without Ctrl: nothing
    EXPECT_EQ(form->zoom(), fitting - 2);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), fitting - 1);
    Wheel(-60, Qt::ControlModifier);  // half a notch, then the other half
    Wheel(-60, Qt::ControlModifier);
    Wheel(-120, Qt::NoModifier);
    EXPECT_EQ(form->zoom(), fitting - 2);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->size(), Client(1));
    EXPECT_EQ(form->grab().size(), Client(1));
    EXPECT_EQ(form->Picture1->geometry(), QRect(1, 0, 122, 121));
}

TEST_F(ZoomTest, TheZoomChosenLastComesBackAtTheNextStartAndAZoomForOneRunIsNotStored) {
    Start(3);
    form.reset();
    Start(0);
    EXPECT_EQ(form->zoom(), 1);
    EXPECT_FALSE(QFile::exists(SettingsFile()));  // nothing written until the user zooms
    Key(Qt::Key_Equal, Qt::ControlModifier);
    Key(Qt::Key_Equal, Qt::ControlModifier);
    form.reset();
    EXPECT_TRUE(QFile::exists(SettingsFile()));
    Start(0);
    EXPECT_EQ(form->size(), Client(3));
    form.reset();
    Start(2);
    EXPECT_EQ(form->zoom(), 2);
    form.reset();
    Start(0);
    EXPECT_EQ(form->zoom(), 3);
    form->SetFullScreen(true);
    form.reset();
    Start(0);
    EXPECT_FALSE(form->isFullScreen());
}

TEST_F(ZoomTest, FullScreenShowsTheInnerAreaAtTheLargestFittingFactorAndGivesTheWindowBackAsItWas) {
    Start(2);
    form->move(40, 30);
    const QRect window = form->geometry();
    Key(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(form->isFullScreen());
    const QSize screen = form->screen()->geometry().size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == screen; }, 2000));
    const forms::Placement at = forms::Centred(screen.width(), screen.height());
    const QPoint inner(at.left, at.top);
    Key(Qt::Key_Equal, Qt::ControlModifier);  // no zoom in full screen
    // Device pixels of the inner area, 15 / factor twips each.
    const QPoint pressed[] = {{0, 0}, {at.factor * 60, at.factor * 30 + 1}, {at.factor * 100 - 1, at.factor * 58}};
    std::vector<Command> commands;
    for (const QPoint device : pressed) {
        Press(form->Picture1, inner + device);
        commands.push_back({Command::Press, device.x() * 15.0f / at.factor, device.y() * 15.0f / at.factor});
    }
    Press(form->Picture1, inner - QPoint(1, 1));  // the black surround is no part of the pond
    Tick(6);
    commands.push_back({Command::Tick, 0, 0, 1, 6});
    const QImage shown = form->grab().toImage();
    EXPECT_EQ(DifferingPixels(shown, inner, at.factor, commands), 0);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(screen.width() - 1, screen.height() - 1), qRgb(0, 0, 0));

    Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(form->isFullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->geometry() == window; }, 2000)) << form->geometry().x();
    EXPECT_EQ(form->zoom(), 2);
    EXPECT_EQ(form->Picture1->geometry(), QRect(2, 0, 244, 242));
}

}  // namespace
}  // namespace movra
