#include "frontends/qt/frmmovra.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "core/model/press.h"
#include "core/model/tick_update.h"
#include "frontends/qt/twips.h"

namespace movra {

FrmMovra::FrmMovra(Runtime& runtime)
    : Picture1(new PictureBox(TwipsRect(15, 0, 1830, 1815), this)),
      Timer1(new AnimationTimer(runtime.clock(), 100, this)),
      MnuFile(new QMenu(QStringLiteral("ﾌｧｲﾙ(&F)"), this)),
      MnuHelp(MnuFile->addAction(QStringLiteral("Movraﾍﾙﾌﾟ(&H)"))),
      MnuVersion(MnuFile->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"))),
      MnuCap1(MnuFile->addSeparator()),
      MnuEnd(MnuFile->addAction(QStringLiteral("終了(&X)"))),
      runtime_(runtime) {
    setWindowTitle(QStringLiteral("Movra Ver0.61"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(TwipsToPixels(1845), TwipsToPixels(1815));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(grey);
    setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    const auto handle = [this](void (FrmMovra::*handler)()) {
        return [this, handler] { runtime_.Run([this, handler] { (this->*handler)(); }); };
    };
    connect(Timer1, &QTimer::timeout, this, handle(&FrmMovra::Timer1_Timer));
    connect(Picture1, &PictureBox::MouseDown, this, [this](int button, float x, float y) {
        runtime_.Run([&] { Picture1_MouseDown(button, x, y); });
    });
    connect(MnuHelp, &QAction::triggered, this, handle(&FrmMovra::MnuHelp_Click));
    connect(MnuVersion, &QAction::triggered, this, handle(&FrmMovra::MnuVersion_Click));
    connect(MnuEnd, &QAction::triggered, this, handle(&FrmMovra::MnuEnd_Click));

    runtime_.Run([this] { Form_Load(); });
}

FrmMovra::~FrmMovra() { delete version_; }

void FrmMovra::closeEvent(QCloseEvent* event) {
    // The window is unloaded, and its timer with it; the program itself ends
    // once no other window of its own is left.
    Timer1->stop();
    QWidget::closeEvent(event);
}

void FrmMovra::Form_Load() {
    model_.AppDir = runtime_.AppPath().toStdString();
    if (model_.AppDir.empty() || model_.AppDir.back() != '/') model_.AppDir += '/';
    ResetModel(model_);
    BuildTables(model_);
    Timer1->start();
}

void FrmMovra::Timer1_Timer() {
    TickUpdate(model_);
    DrawPass(model_, *Picture1);
    Picture1->Refresh();
    // From here every tick would change nothing until a press: sleep instead.
    if (AtRest(model_)) Timer1->Sleep();
}

void FrmMovra::Picture1_MouseDown(int button, float x, float y) {
    if (PressPond(model_, Int16(button), x, y)) MnuFile->popup(QCursor::pos());
    if (!AtRest(model_)) Timer1->Wake();
}

void FrmMovra::MnuHelp_Click() { runtime_.ShowHelp(QString::fromStdString(model_.AppDir + "Movra.hlp")); }

void FrmMovra::MnuVersion_Click() {
    // One box at a time; once closed it is gone, and the next one loads afresh.
    if (!version_) version_ = new FrmVersion;
    version_->show();
    version_->raise();
    version_->activateWindow();
}

void FrmMovra::MnuEnd_Click() {
    Timer1->stop();
    runtime_.End(0);
}

}  // namespace movra
