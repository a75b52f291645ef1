#include "frontends/qt/main_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>

#include "frontends/qt/twips_rect.h"
#include "resources/texts.h"

namespace movra::qt {

MainWindow::MainWindow(Runtime& runtime)
    : Picture1(new PondWidget(TwipsRect({15, 0, 1830, 1815}), this)),
      Timer1(new QtTimer(this)),
      MnuFile(new QMenu(QString::fromUtf8(texts::MnuFile), this)),
      MnuHelp(MnuFile->addAction(QString::fromUtf8(texts::MnuHelp))),
      MnuVersion(MnuFile->addAction(QString::fromUtf8(texts::MnuVersion))),
      MnuCap1(MnuFile->addSeparator()),
      MnuEnd(MnuFile->addAction(QString::fromUtf8(texts::MnuEnd))),
      form_({*Picture1, *Timer1, *this, runtime, *this, runtime}) {
    setWindowTitle(QString::fromUtf8(texts::Caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(TwipsToPixels(1845), TwipsToPixels(1815));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(grey);
    setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    connect(Timer1, &QTimer::timeout, this, [this] { form_.Timer1_Event(); });
    Picture1->OnPress([this](int button, float x, float y) { form_.Picture1_Event(button, x, y); });
    connect(MnuHelp, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuHelp); });
    connect(MnuVersion, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuVersion); });
    connect(MnuEnd, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuEnd); });
    form_.Load();
}

MainWindow::~MainWindow() { delete version_; }

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window is unloaded, and its timer with it; the program itself ends
    // once no other window of its own is left.
    form_.Unload();
    QWidget::closeEvent(event);
}

void MainWindow::Popup(float, float, bool) { MnuFile->popup(QCursor::pos()); }

void MainWindow::ShowVersion() {
    // One box at a time; once closed it is gone, and the next one loads afresh.
    if (!version_) version_ = new AboutWindow;
    version_->show();
    version_->raise();
    version_->activateWindow();
}

}  // namespace movra::qt
