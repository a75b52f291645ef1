// The pond played from the keyboard: the cursor's keys, drops, the menu, recorded as presses.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "core/script/script.h"
#include "forms/recorder.h"
#include "tests/frontends/qt/program_fixture.h"

namespace movra {
namespace {

constexpr QRgb Marker = 0xffffff00;  // the cursor's yellow

struct MemorySink final : forms::RecordSink {
    std::optional<std::string> Write(const std::string& lines) override {
        text += lines;
        return std::nullopt;
    }
    void Tell(const std::string&) override {}
    std::string text;
};

void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
}

TEST_F(ProgramTest, TheKeysDropAtTheCursorsCellAsRecordedPressesAndTheCursorGoesAtTheMousesPress) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->Picture1->hasFocus());
    MemorySink sink;
    auto recorder = std::make_unique<forms::Recorder>(form->form(), sink, "memory");
    Tick();
    Key(form->Picture1, Qt::Key_Right);
    Key(form->Picture1, Qt::Key_Right);
    Key(form->Picture1, Qt::Key_Down, Qt::ControlModifier);  // five rows
    Key(form->Picture1, Qt::Key_Space);
    Key(form->Picture1, Qt::Key_Home);
    Key(form->Picture1, Qt::Key_Up, Qt::ShiftModifier);
    Key(form->Picture1, Qt::Key_Return);
    ASSERT_EQ(form->model().Sources(1).X, 17);
    EXPECT_EQ(form->model().Sources(1).Y, 20);
    EXPECT_EQ(form->model().Sources(2).X, 1);
    EXPECT_EQ(form->model().Sources(2).Y, 15);
    Tick(3);
    // The marker's edge over the stirred cell (1, 15); its middle is the water's.
    QImage pond = form->Picture1->grab().toImage();
    EXPECT_EQ(pond.pixel(1, 1 + 14 * 4), Marker);
    EXPECT_NE(pond.pixel(1 + 1, 1 + 14 * 4 + 1), Marker);

    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(1 + 80, 1 + 40));
    Tick(2);
    recorder.reset();
    const std::vector<script::Command> recording = script::ReadScript(sink.text);
    std::vector<std::pair<float, float>> presses;
    for (const script::Command& command : recording)
        if (command.kind == script::Command::Press) presses.emplace_back(command.x, command.y);
    // A quarter of a cell in from the cells' corners, in twips, which the
    // press rule maps to them; then the mouse's.
    EXPECT_EQ(presses, (std::vector<std::pair<float, float>>{{975, 1155}, {15, 855}, {1200, 600}}));
    // The marker gone, the window shows the very pond the recording replays to.
    pond = form->Picture1->grab().toImage().copy(1, 1, 116, 116).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pond, ReplayedPond(recording).copy(0, 0, 116, 116));
}

TEST_F(ProgramTest, ShiftF10AndTheMenuKeyOpenTheMenuAtTheCursorWithItsFirstItemSelected) {
    form->Picture1->setFocus();
    Key(form->Picture1, Qt::Key_End);  // column 29, row 15
    const QPoint cursor = form->Picture1->mapToGlobal(QPoint(1 + 28 * 4 + 1, 1 + 14 * 4 + 1));
    Key(form->Picture1, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), form->MnuFile);
    EXPECT_EQ(form->MnuFile->activeAction(), form->MnuHelp);
    EXPECT_EQ(form->MnuFile->pos(), cursor);
    Key(form->MnuFile, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, {5, 5}, form->Picture1->mapToGlobal(QPoint(5, 5)));  // a right press has opened it already
    QApplication::sendEvent(form->Picture1, &byMouse);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, {5, 5}, form->Picture1->mapToGlobal(QPoint(5, 5)));  // the Menu key, as the platform sends it
    QApplication::sendEvent(form->Picture1, &byKey);
    ASSERT_EQ(QApplication::activePopupWidget(), form->MnuFile);
    EXPECT_EQ(form->MnuFile->pos(), cursor);
    QTest::keyClick(form->MnuFile, 'a');
    EXPECT_EQ(Visible<qt::AboutWindow>().size(), 1u);
    for (int i = 1; i <= SourceSlots; ++i) EXPECT_EQ(form->model().Sources(i).Age, 0);
}

}  // namespace
}  // namespace movra
