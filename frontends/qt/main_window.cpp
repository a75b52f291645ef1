#include "frontends/qt/main_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "frontends/qt/keys.h"
#include "frontends/qt/twips_rect.h"
#include "frontends/qt/zoom_setting.h"
#include "resources/texts.h"

namespace movra::qt {
namespace {

constexpr QSize ClientSize(TwipsToPixels(1845), TwipsToPixels(1815));  // logical pixels at 1x
constexpr int WheelNotch = 120;                                    // eighths of a degree

}  // namespace

MainWindow::MainWindow(Runtime& runtime, int zoom)
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
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(grey);
    setAutoFillBackground(true);
    int factor = zoom ? zoom : StoredZoom().value_or(forms::MinZoom);
    while (factor > forms::MinZoom && !Fits(factor)) --factor;
    ApplyZoom(factor);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setFocus();
    Picture1->setAccessibleName(QString::fromUtf8(texts::PondName));
    Picture1->setAccessibleDescription(QString::fromUtf8(texts::PondDescription));

    connect(Timer1, &QTimer::timeout, this, [this] { form_.Timer1_Event(); });
    Picture1->OnPress([this](int button, float x, float y) { form_.Picture1_Event(button, x, y); });
    Picture1->OnKey([this](forms::PondKey key, bool fast) { form_.Key_Event(key, fast); });
    connect(MnuHelp, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuHelp); });
    connect(MnuVersion, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuVersion); });
    connect(MnuEnd, &QAction::triggered, this, [this] { form_.Menu_Event(forms::MenuItem::MnuEnd); });
    form_.Load();
}

MainWindow::~MainWindow() { delete version_; }

void MainWindow::StepZoom(forms::ZoomStep step) {
    if (isFullScreen()) return;
    const int factor = forms::Zoomed(zoom_, step);
    if (factor == zoom_ || !Fits(factor)) return;
    ApplyZoom(factor);
    KeepOnScreen();
    StoreZoom(factor);
}

void MainWindow::SetFullScreen(bool on) {
    if (on == isFullScreen()) return;
    if (on) {
        // Unfixed, or the window system keeps the window's size.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    } else {
        showNormal();
        // Sized now, while still at the screen's corner, the window would
        // stay there: it is fixed again once it is given back its place.
        if (size() == ClientSize * zoom_) ApplyZoom(zoom_);
    }
}

void MainWindow::ApplyZoom(int factor) {
    zoom_ = factor;
    setFixedSize(ClientSize * factor);
    Picture1->Zoom(factor);
}

bool MainWindow::Fits(int factor) const {
    const QSize frame = frameGeometry().size() - size();  // the window system's title bar and edges
    const QSize wanted = ClientSize * factor + frame;
    const QSize available = screen()->availableGeometry().size();
    return wanted.width() <= available.width() && wanted.height() <= available.height();
}

void MainWindow::KeepOnScreen() {
    // Grown at its top-left corner, the window may reach past the screen's
    // edge: it moves back inside.
    const QRect available = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    move(frame.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window is unloaded, and its timer with it; the program itself ends
    // once no other window of its own is left.
    form_.Unload();
    QWidget::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<forms::ZoomStep> step = ZoomStepOf(*event)) return StepZoom(*step);
    if (event->key() == Qt::Key_F11) return SetFullScreen(!isFullScreen());
    if (event->key() == Qt::Key_Escape && isFullScreen()) return SetFullScreen(false);
    QWidget::keyPressEvent(event);
}

void MainWindow::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    // Fine wheels and touchpads turn in smaller steps, which add up to notches.
    wheel_ += event->angleDelta().y();
    const int notches = wheel_ / WheelNotch;
    wheel_ -= notches * WheelNotch;
    for (int i = 0; i < std::abs(notches); ++i) StepZoom(notches > 0 ? forms::ZoomStep::In : forms::ZoomStep::Out);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    if (isFullScreen())
        Picture1->FillParent();
    else if (minimumSize() != maximumSize())  // back from full screen
        ApplyZoom(zoom_);
    QWidget::resizeEvent(event);
}

void MainWindow::Popup(float x, float y, bool byKeyboard) {
    if (!byKeyboard) return MnuFile->popup(QCursor::pos());
    // Opened from the keyboard: at the cursor's cell, ready for the arrow keys.
    MnuFile->popup(Picture1->mapToGlobal(Picture1->FromTwips(x, y)));
    MnuFile->setActiveAction(MnuHelp);
}

void MainWindow::ShowVersion() {
    // One box at a time; once closed it is gone, and the next one loads afresh.
    if (!version_) version_ = new AboutWindow;
    version_->show();
    version_->raise();
    version_->activateWindow();
}

}  // namespace movra::qt
