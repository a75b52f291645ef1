#include "frontends/qt/frmversion.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "resources/credits.h"
#include "frontends/qt/twips.h"

namespace movra {
namespace {

constexpr char Mincho[] = "ＭＳ Ｐ明朝";
constexpr char Gothic[] = "ＭＳ Ｐゴシック";

QFont Font(const char* family, double points, bool bold = false) {
    QFont font(QString::fromUtf8(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* NewLabel(QWidget* parent, const QRect& geometry, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

FrmVersion::FrmVersion()
    : Image1(new QLabel(this)),
      Label1(NewLabel(this, TwipsRect(1440, 330, 3165, 615), QStringLiteral("MovraVer0.61"))),
      Label2(NewLabel(this, TwipsRect(180, 1230, 4275, 285),
                      QStringLiteral("企画・製造：%1　　設計：%2")
                          .arg(QString::fromUtf8(Maker), QString::fromUtf8(Designer)))),
      Label3(NewLabel(this, TwipsRect(180, 1680, 4155, 225),
                      QStringLiteral("質問等は以下のメールアドレスまたは掲示板まで。"))),
      Label4(NewLabel(this, TwipsRect(180, 1980, 4605, 165),
                      QStringLiteral("[メール]　 %1").arg(QString::fromUtf8(ContactEmail)))),
      Label5(NewLabel(this, TwipsRect(180, 2190, 4605, 195),
                      QStringLiteral("[掲示板]　%1").arg(QString::fromUtf8(ContactBoard)))),
      Line1(new QFrame(this)),
      Command1(new QPushButton(QStringLiteral("ＯＫ"), this)) {
    setWindowTitle(QStringLiteral("MovraVer0.61のﾊﾞｰｼﾞｮﾝ情報"));
    // A tool window is the nearest X11 comes to a dialog with no icon and no
    // taskbar button; unlike Qt's default for tool windows, it still counts
    // as a window of the program when the last one closes.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose, true);
    setFixedSize(TwipsToPixels(4965), TwipsToPixels(3105));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(Font(Mincho, 9.75));

    Image1->setGeometry(TwipsRect(150, 120, 1000, 1000));
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);

    // IPAPMincho's Latin letters are wider than those the box was laid out
    // for; slightly condensed, the title fits its frame.
    QFont title = Font(Mincho, 26.25, true);
    title.setStretch(88);
    Label1->setFont(title);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(128, 128, 255));
    Label1->setPalette(blue);
    Label2->setFont(Font(Gothic, 12, true));
    Label4->setFont(Font(Mincho, 9));
    Label5->setFont(Font(Mincho, 9));
    // The frames of the two contact lines are shorter than a line of the
    // installed face; they grow downwards, into the gap below each.
    for (QLabel* label : {Label4, Label5})
        label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));

    // Two pixels wide, across from (150, 2550) to (4860, 2550) twips.
    Line1->setGeometry(TwipsRect(150, 2550, 4860 - 150, 30));
    Line1->setAutoFillBackground(true);
    QPalette black = Line1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Line1->setPalette(black);

    Command1->setGeometry(TwipsRect(3360, 2670, 1365, 345));
    Command1->setFont(Font(Gothic, 9));
    // Enter clicks the button while it has the focus, as Space does; it is
    // not the box's default button, and Esc is left alone.
    Command1->setAutoDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace movra
