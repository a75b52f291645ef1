// The about box: one at a time, its keys, its faces, texts, colours and layout.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/frontends/qt/program_fixture.h"

namespace movra {
namespace {

class FrmVersionTest : public ProgramTest {
protected:
    qt::AboutWindow* Open() {
        form->MnuVersion->trigger();
        const auto boxes = Visible<qt::AboutWindow>();
        return boxes.size() == 1 ? boxes[0] : nullptr;
    }

    bool Gone(qt::AboutWindow* box) {
        QPointer<qt::AboutWindow> watch(box);
        ProcessDeletes();
        return watch.isNull() && Visible<qt::AboutWindow>().empty();
    }
};

// How many pixels of a label's picture have exactly this colour.
int Count(QWidget* widget, QColor colour) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour.rgb();
    return count;
}

TEST_F(FrmVersionTest, OneBoxWhileOpenAndAFreshOneAfterClosing) {
    qt::AboutWindow* first = Open();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Open(), first);
    QTest::mouseClick(first->Command1, Qt::LeftButton);
    EXPECT_TRUE(Gone(first));
    qt::AboutWindow* second = Open();
    ASSERT_NE(second, nullptr);
    second->close();  // the close box unloads it too
    EXPECT_TRUE(Gone(second));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(ends.empty());
}

TEST_F(FrmVersionTest, TheButtonHasTheFocusEscIsIgnoredEnterAndSpaceClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        qt::AboutWindow* box = Open();
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->focusWidget(), box->Command1);
        QTest::keyClick(box->Command1, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible());
        QTest::keyClick(box->Command1, key);
        EXPECT_TRUE(Gone(box)) << "key " << key;
    }
}

TEST_F(FrmVersionTest, EndClosesTheBoxWithTheMainWindow) {
    ASSERT_NE(Open(), nullptr);
    form->MnuEnd->trigger();
    EXPECT_TRUE(Visible<qt::AboutWindow>().empty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ends, std::vector<int>{0});
}

TEST_F(FrmVersionTest, TheWindowsFontNamesResolveToMinchoAndGothicFaces) {
    qt::AboutWindow* box = Open();
    ASSERT_NE(box, nullptr);
    for (QWidget* mincho : {static_cast<QWidget*>(box), static_cast<QWidget*>(box->Label1), static_cast<QWidget*>(box->Label3),
                            static_cast<QWidget*>(box->Label4), static_cast<QWidget*>(box->Label5)})
        EXPECT_EQ(QFontInfo(mincho->font()).family(), QStringLiteral("IPAPMincho")) << mincho->objectName().toStdString();
    for (QWidget* gothic : {static_cast<QWidget*>(box->Label2), static_cast<QWidget*>(box->Command1)})
        EXPECT_EQ(QFontInfo(gothic->font()).family(), QStringLiteral("IPAPGothic"));
}

TEST_F(FrmVersionTest, TheCreditsAreBuiltFromTheConfiguredTextsAndTheTitleIsBlue) {
    qt::AboutWindow* box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Label2->text(), QStringLiteral("企画・製造：") + QString::fromUtf8(MOVRA_MAKER) + QStringLiteral("　　設計：") +
                                       QString::fromUtf8(MOVRA_DESIGNER));
    EXPECT_EQ(box->Label4->text(), QStringLiteral("[メール]\u3000 ") + QString::fromUtf8(MOVRA_EMAIL));
    EXPECT_EQ(box->Label5->text(), QStringLiteral("[掲示板]\u3000") + QString::fromUtf8(MOVRA_BOARD));
    // The strokes of the painted texts reach their full colour.
    EXPECT_GT(Count(box->Label1, QColor(128, 128, 255)), 50);
    EXPECT_GT(Count(box->Label2, Qt::black), 50);
    EXPECT_EQ(Count(box->Label2, QColor(128, 128, 255)), 0);
    EXPECT_GT(Count(box, QColor(0xc0, 0xc0, 0xc0)), 331 * 207 / 2);
}

TEST_F(FrmVersionTest, TheLayoutInLogicalPixelsWithNothingClipped) {
    qt::AboutWindow* box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->size(), QSize(331, 207));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    EXPECT_EQ(box->Image1->geometry(), QRect(10, 8, 67, 67));
    EXPECT_EQ(box->Line1->geometry(), QRect(10, 170, 314, 2));
    EXPECT_EQ(box->Command1->geometry(), QRect(224, 178, 91, 23));
    const std::pair<QLabel*, QRect> labels[] = {
        {box->Label1, QRect(96, 22, 211, 41)},  {box->Label2, QRect(12, 82, 285, 19)},
        {box->Label3, QRect(12, 112, 277, 15)}, {box->Label4, QRect(12, 132, 307, 11)},
        {box->Label5, QRect(12, 146, 307, 13)},
    };
    for (const auto& [label, designed] : labels) {
        const QRect shown = label->geometry();
        const std::string name = label->text().toStdString();
        EXPECT_EQ(shown.topLeft(), designed.topLeft()) << name;
        EXPECT_EQ(shown.width(), designed.width()) << name;
        EXPECT_GE(shown.height(), designed.height()) << name;
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), shown.width()) << name;
        EXPECT_LE(metrics.height(), shown.height()) << name;
        EXPECT_TRUE(box->rect().contains(shown)) << name;
    }
    // Grown lines stay clear of the line below them.
    EXPECT_LE(box->Label4->geometry().bottom(), box->Label5->geometry().top());
    EXPECT_LT(box->Label5->geometry().bottom(), box->Line1->geometry().top());
}

TEST_F(FrmVersionTest, ClosingTheMainWindowEndsTheProgramOnceTheBoxIsClosedNotTheHelp) {
    form->MnuHelp->trigger();
    qt::AboutWindow* box = Open();
    ASSERT_NE(box, nullptr);
    bool stillRunning = false;
    QTimer::singleShot(0, form.get(), &QWidget::close);
    QTimer::singleShot(200, box, [&] {
        stillRunning = true;
        box->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(stillRunning);
    EXPECT_FALSE(form->Timer1->isActive());
}

}  // namespace
}  // namespace movra
