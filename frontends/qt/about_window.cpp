#include "frontends/qt/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "frontends/qt/twips_rect.h"

namespace movra::qt {
namespace {

const forms::FrmVersionDesign& Design = forms::FrmVersion;

QFont NewFont(const forms::Font& font) {
    QFont qfont(QString::fromUtf8(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

QColor ToQColor(Colour colour) { return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

QLabel* NewLabel(QWidget* parent, const forms::DesignedControl& control) {
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setGeometry(TwipsRect(control.at));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(NewFont(control.font));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ToQColor(control.colour));
    label->setPalette(colours);
    return label;
}

}  // namespace

AboutWindow::AboutWindow()
    : Image1(new QLabel(this)),
      Label1(NewLabel(this, Design.Label1)),
      Label2(NewLabel(this, Design.Label2)),
      Label3(NewLabel(this, Design.Label3)),
      Label4(NewLabel(this, Design.Label4)),
      Label5(NewLabel(this, Design.Label5)),
      Line1(new QFrame(this)),
      Command1(new QPushButton(QString::fromUtf8(Design.Command1.text), this)) {
    setWindowTitle(QString::fromUtf8(Design.caption));
    // A tool window is the nearest X11 comes to a dialog with no icon and no
    // taskbar button; unlike Qt's default for tool windows, it still counts
    // as a window of the program when the last one closes.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose, true);
    setFixedSize(TwipsToPixels(Design.width), TwipsToPixels(Design.height));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(Design.background));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(NewFont(Design.font));

    Image1->setGeometry(TwipsRect(Design.Image1.at));
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);

    // IPAPMincho's Latin letters are wider than those the box was laid out
    // for; slightly condensed, the title fits its frame.
    QFont title = Label1->font();
    title.setStretch(88);
    Label1->setFont(title);
    // The frames of the two contact lines are shorter than a line of the
    // installed face; they grow downwards, into the gap below each.
    for (QLabel* label : {Label4, Label5})
        label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));

    QRect rule = TwipsRect(Design.Line1.at);
    rule.setHeight(Design.Line1WidthPixels);
    Line1->setGeometry(rule);
    Line1->setAutoFillBackground(true);
    QPalette black = Line1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Line1->setPalette(black);

    Command1->setGeometry(TwipsRect(Design.Command1.at));
    Command1->setFont(NewFont(Design.Command1.font));
    // Enter clicks the button while it has the focus, as Space does; it is
    // not the box's default button, and Esc is left alone.
    Command1->setAutoDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace movra::qt
