// The main window driven through its real events: presses, timer, menu, help, end, errors.
#include <gtest/gtest.h>

#include <QMenu>
#include <QScreen>
#include <QMouseEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>


#include "frontends/qt/help_viewer.h"
#include "tests/frontends/qt/program_fixture.h"
#include "forms/replay.h"

namespace movra {
namespace {

constexpr QRgb Calm = 0xff0000c8;  // RGB(0, 0, 200)

// A press at a position of the picture box, which may be fractional as on a
// high-density screen; buttons are those held, the pressed one included.
void Press(QWidget* widget, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent press(QEvent::MouseButtonPress, position, widget->mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Points of cell (col, row) in the picture box's pixels. A press picks the
// cell around the nearest corner, so presses go to the top-left corner.
QPoint InCell(int col, int row) { return QPoint(1 + (col - 1) * 4 + 2, 1 + (row - 1) * 4 + 2); }
QPoint AtCorner(int col, int row) { return QPoint(1 + (col - 1) * 4, 1 + (row - 1) * 4); }

int ActiveSources(Model& model) {
    int active = 0;
    for (int i = 1; i <= SourceSlots; ++i) active += model.Sources(i).Age != 0;
    return active;
}

TEST_F(ProgramTest, PressesPickTheCellAroundTheNearestCornerWithTiesToEven) {
    // Inner pixel -> twips (15 a pixel) -> cell: 0 -> 0 -> 1, 1 -> 15 -> 1,
    // 2 -> 30 -> 1.5 -> 2, 6 -> 90 -> 2.5 -> 2, 10 -> 150 -> 3.5 -> 4,
    // 117 -> 1755 -> 30; the last pixels, 119 across and 118 down, give 31: 30.
    const std::pair<int, int> samples[] = {{0, 1}, {1, 1}, {2, 2}, {6, 2}, {10, 4}, {117, 30}, {119, 30}};
    const int n = int(std::size(samples));
    for (int i = 0; i < n; ++i) {
        const auto [x, col] = samples[i];
        const auto [y, row] = samples[n - 1 - i];
        QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(1 + x, 1 + std::min(y, 118)));
        EXPECT_EQ(form->model().Sources(i + 1).X, col) << "pixel " << x;
        EXPECT_EQ(form->model().Sources(i + 1).Y, row) << "pixel " << y;
    }
    Press(form->Picture1, QPointF(1 + 119.5, 1 + 118.5), Qt::LeftButton, Qt::LeftButton);  // 1792.5 twips
    EXPECT_EQ(form->model().Sources(n + 1).X, 30);
    EXPECT_EQ(form->model().Sources(n + 1).Y, 30);
    for (const QPoint border : {QPoint(0, 50), QPoint(50, 0), QPoint(121, 50), QPoint(50, 120)})
        QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, border);
    EXPECT_EQ(ActiveSources(form->model()), n + 1);
}

TEST_F(ProgramTest, OnlyTheRightButtonAloneOpensTheMenuAndItPlacesNothing) {
    QTest::mouseClick(form->Picture1, Qt::RightButton, {}, AtCorner(5, 5));
    EXPECT_EQ(QApplication::activePopupWidget(), form->MnuFile);
    EXPECT_EQ(ActiveSources(form->model()), 0);
    form->MnuFile->close();
    QTest::mouseClick(form->Picture1, Qt::MiddleButton, {}, AtCorner(3, 4));
    Press(form->Picture1, AtCorner(7, 8), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    Press(form->Picture1, AtCorner(9, 9), Qt::BackButton, Qt::BackButton);  // never reported
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(ActiveSources(form->model()), 2);
    EXPECT_EQ(form->model().Sources(1).X, 3);
    EXPECT_EQ(form->model().Sources(2).Y, 8);
}

TEST_F(ProgramTest, WithTenSourcesALeftPressChangesNothingAndOpensNothing) {
    for (int i = 1; i <= 10; ++i) QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(i, i));
    Tick();
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(20, 20));
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(form->model().Sources(i).X, i);
        EXPECT_EQ(form->model().Sources(i).Age, 2);
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ProgramTest, APressNeverPaintsAndTheNextTicksDrawTheRing) {
    QCoreApplication::processEvents();  // the window's first paint
    const QImage before = form->Picture1->grab().toImage();
    // Inner pixel (63, 31): X = 945, Y = 465 twips, column round(16.75) = 17, row round(8.75) = 9.
    Press(form->Picture1, QPointF(1 + 63, 1 + 31), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(form->model().Sources(1).X, 17);
    EXPECT_EQ(form->model().Sources(1).Y, 9);
    EXPECT_EQ(form->Picture1->grab().toImage(), before);

    Tick();  // age 1 adds nothing; the first pass paints the calm pond
    QImage pond = form->Picture1->grab().toImage();
    EXPECT_EQ(pond.pixel(InCell(17, 9)), Calm);
    EXPECT_EQ(pond.pixel(InCell(29, 29)), Calm);
    // Only 29 by 29 cells are painted: the strips right and below keep the background.
    const QRgb background = form->Picture1->palette().color(QPalette::Button).rgb();
    EXPECT_EQ(pond.pixel(1 + 116, 50), background);
    EXPECT_EQ(pond.pixel(50, 1 + 116), background);

    Tick();  // WaveTable(2, 1) = 35 lands on the source's cell
    pond = form->Picture1->grab().toImage();
    EXPECT_EQ(pond.pixel(InCell(17, 9)), qRgb(0, 0, 235));
    EXPECT_EQ(pond.pixel(InCell(17, 11)), Calm);
    Tick(4);  // the ring moves out, one cell a tick
    pond = form->Picture1->grab().toImage();
    int ringCells = 0;
    for (int col = 1; col <= 29; ++col)
        for (int row = 1; row <= 29; ++row) ringCells += pond.pixel(InCell(col, row)) != Calm;
    EXPECT_GT(ringCells, 8);
    // What reaches the screen, once the handlers are over, is the same picture.
    const auto onScreen = [&] {
        const QImage window = form->screen()->grabWindow(form->winId()).toImage();
        return window.copy(form->Picture1->geometry()).convertToFormat(pond.format());
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen() == pond; }, 2000));
}

TEST_F(ProgramTest, TheTimerRunsFromLoadAboutTenTimesASecondAlsoBehindTheAboutBox) {
    form->MnuVersion->trigger();
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(15, 15));
    QTest::qWait(1050);
    const int ticks = form->model().Sources(1).Age - 1;
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 11);
    EXPECT_EQ(form->model().ShownGrid(1, 1), BaseLevel);  // the drawing pass ran too
}

TEST_F(ProgramTest, TheTimerSleepsAtRestAndWakesOnItsOldGridPaintingAsTheReplayDoes) {
    // 100-ms steps of the clock; the timer fires only while it runs, the
    // replay ticks at every step.
    replay::Replay replay;
    struct : forms::FormFollower {
        void Woke(int skipped) override { this->skipped.push_back(skipped); }
        std::vector<int> skipped;
    } woke;
    form->form().Follow(woke);
    const auto step = [&] {
        now += 100;
        if (form->Timer1->isActive()) Tick();
        replay.Run({{script::Command::Tick}}, {}, false);
        EXPECT_EQ(form->model().ShownGrid, replay.model().ShownGrid);
        EXPECT_EQ(form->model().LevelGrid, replay.model().LevelGrid);
    };
    const auto press = [&](int offset, QPoint at, Qt::MouseButton button) {
        now += offset;
        Press(form->Picture1, at, button, button);
        if (button != Qt::RightButton)
            replay.Run({{script::Command::Press, (at.x() - 1) * 15.0f, (at.y() - 1) * 15.0f}}, {}, false);
        now -= offset;
    };

    step();  // the calm pond is painted, and nothing will move
    EXPECT_FALSE(form->Timer1->isActive());
    for (int i = 0; i < 5; ++i) step();
    press(37, AtCorner(12, 14), Qt::RightButton);  // opens the menu, moves nothing
    EXPECT_FALSE(form->Timer1->isActive());
    press(37, AtCorner(12, 14), Qt::LeftButton);
    ASSERT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 63);  // the rest of the period
    EXPECT_EQ(woke.skipped, std::vector<int>{5});
    step();
    EXPECT_EQ(form->Timer1->interval(), 100);
    press(50, AtCorner(20, 3), Qt::LeftButton);  // awake: no second wake
    int ticks = 1;
    for (; form->Timer1->isActive(); ++ticks) step();
    EXPECT_EQ(ticks, 31);  // the second source, placed a tick later, ends a tick later
    EXPECT_EQ(woke.skipped, std::vector<int>{5});  // no second wake
    for (int i = 0; i < 3; ++i) step();
    form->form().Unfollow(woke);
}

TEST_F(ProgramTest, CellsStayCrispAtHighPixelRatios) {
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(12, 14));
    Tick(8);
    const QImage reference = form->Picture1->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x) colours.insert(reference.pixel(x, y));
    ASSERT_GT(colours.size(), 4);

    for (const qreal ratio : {2.0, 1.5}) {
        QImage image(form->Picture1->size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        form->Picture1->render(&image);
        int blended = 0, wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                blended += !colours.contains(image.pixel(x, y));
                if (ratio == 2.0) wrong += image.pixel(x, y) != reference.pixel(x / 2, y / 2);
            }
        EXPECT_EQ(blended, 0) << "ratio " << ratio;
        EXPECT_EQ(wrong, 0) << "ratio " << ratio;
        for (int col = 1; col <= 29; ++col)
            for (int row = 1; row <= 29; ++row)
                EXPECT_EQ(image.pixel(QPointF(InCell(col, row) * ratio).toPoint()), reference.pixel(InCell(col, row)))
                    << "ratio " << ratio << " cell " << col << "," << row;
    }
}

TEST_F(ProgramTest, EveryMenuItemIsReachedByItsAccessKey) {
    const auto choose = [this](char key) {
        QTest::mouseClick(form->Picture1, Qt::RightButton, {}, AtCorner(5, 5));
        ASSERT_EQ(QApplication::activePopupWidget(), form->MnuFile);
        QTest::keyClick(form->MnuFile, key);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    };
    choose('h');
    EXPECT_EQ(Visible<qt::HelpViewer>().size(), 1u);
    choose('a');
    EXPECT_EQ(Visible<qt::AboutWindow>().size(), 1u);
    EXPECT_TRUE(ends.empty());
    choose('x');
    EXPECT_EQ(ends, std::vector<int>{0});
}

TEST_F(ProgramTest, HelpShowsTheDocumentBesideTheExecutable) {
    EXPECT_EQ(QString::fromStdString(form->model().AppDir), QCoreApplication::applicationDirPath() + "/");
    form->MnuHelp->trigger();
    form->MnuHelp->trigger();  // asked again, the same viewer shows it
    const auto viewers = Visible<qt::HelpViewer>();
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0]->documentTitle(), QStringLiteral("Movra ヘルプ"));
    EXPECT_TRUE(viewers[0]->toPlainText().contains(QStringLiteral("マウスの使い方")));
}

TEST_F(ProgramTest, TheHelpClosesWithEscapeOrCtrlWAndOtherKeysLeaveItOpen) {
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::CTRL, Qt::Key_W)}) {
        form->MnuHelp->trigger();
        const auto viewers = Visible<qt::HelpViewer>();
        ASSERT_EQ(viewers.size(), 1u);
        QTest::keyClick(viewers[0], Qt::Key_W);
        QTest::keyClick(viewers[0], Qt::Key_End);
        EXPECT_EQ(Visible<qt::HelpViewer>().size(), 1u);
        QTest::keyClick(viewers[0], key.key(), key.keyboardModifiers());
        EXPECT_TRUE(Visible<qt::HelpViewer>().empty()) << key.toCombined();
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(ends.empty());
}

TEST_F(ProgramTest, AMissingHelpFileIsTheViewersToReport) {
    QTemporaryDir empty;
    form->model().AppDir = (empty.path() + "/").toStdString();
    form->MnuHelp->trigger();
    const auto viewers = Visible<qt::HelpViewer>();
    ASSERT_EQ(viewers.size(), 1u);
    const QString text = viewers[0]->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("開けません"))) << text.toStdString();
    EXPECT_TRUE(text.contains(empty.path() + "/Movra.hlp")) << text.toStdString();
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ProgramTest, EndClosesEveryWindowAndNothingRunsAfterIt) {
    form->MnuHelp->trigger();
    form->MnuVersion->trigger();
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(8, 8));
    ASSERT_EQ(Visible<QWidget>().size(), 3u);
    form->MnuEnd->trigger();
    EXPECT_EQ(ends, std::vector<int>{0});
    EXPECT_TRUE(Visible<QWidget>().empty());
    EXPECT_FALSE(form->Timer1->isActive());
    Tick();
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, AtCorner(9, 9));
    EXPECT_EQ(form->model().Sources(1).Age, 1);
    EXPECT_EQ(form->model().Sources(2).Age, 0);
    EXPECT_EQ(ends.size(), 1u);
}

TEST_F(ProgramTest, ARunTimeErrorInAHandlerIsReportedAndEndsTheProgramWithFailure) {
    // A source outside the pond: the tick update refuses to index past its tables.
    form->model().Sources(1) = SourceSlot{31, 5, 1};
    form->model().Sources(2) = SourceSlot{5, 5, 1};
    Tick(2);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, QStringLiteral("Movra"));
    EXPECT_EQ(reports[0].second, QStringLiteral("実行時エラー '9':\n\nインデックスが有効範囲にありません。"));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_NE(ends[0], 0);
    EXPECT_TRUE(Visible<QWidget>().empty());
    EXPECT_EQ(form->model().Sources(2).Age, 1);  // the second tick never ran
}

}  // namespace
}  // namespace movra
