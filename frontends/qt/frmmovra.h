// The main window: the pond, its animation timer and its popup menu.
#pragma once

#include <QPointer>
#include <QWidget>

#include "frontends/qt/animation_timer.h"
#include "frontends/qt/frmversion.h"
#include "core/model/model.h"
#include "frontends/qt/picturebox.h"
#include "frontends/qt/runtime.h"

class QAction;
class QMenu;

namespace movra {

class FrmMovra : public QWidget {
    Q_OBJECT

public:
    // Lays the window out and runs its load handler.
    explicit FrmMovra(Runtime& runtime);
    ~FrmMovra() override;

    Model& model() { return model_; }

    // The controls, named as in the window's design.
    PictureBox* const Picture1;
    AnimationTimer* const Timer1;
    QMenu* const MnuFile;
    QAction* const MnuHelp;
    QAction* const MnuVersion;
    QAction* const MnuCap1;
    QAction* const MnuEnd;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Picture1_MouseDown(int button, float x, float y);
    void MnuHelp_Click();
    void MnuVersion_Click();
    void MnuEnd_Click();

    Runtime& runtime_;
    Model model_;
    QPointer<FrmVersion> version_;  // the about box while it is loaded
};

}  // namespace movra
