// FrmMovra's window in Qt: the pond, its timer and its popup menu, wired to the shared form.
#pragma once

#include <QPointer>
#include <QWidget>

#include "forms/frm_movra.h"
#include "frontends/qt/about_window.h"
#include "frontends/qt/pond_widget.h"
#include "frontends/qt/qt_runtime.h"
#include "frontends/qt/qt_timer.h"

class QAction;
class QMenu;

namespace movra::qt {

class MainWindow : public QWidget, forms::PopupMenu, forms::AboutBox {
public:
    // Lays the window out and runs the form's load handler.
    explicit MainWindow(Runtime& runtime);
    ~MainWindow() override;

    forms::FrmMovra& form() { return form_; }
    Model& model() { return form_.model(); }

    // The controls, named as in the window's design.
    PondWidget* const Picture1;
    QtTimer* const Timer1;
    QMenu* const MnuFile;
    QAction* const MnuHelp;
    QAction* const MnuVersion;
    QAction* const MnuCap1;
    QAction* const MnuEnd;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Popup(float x, float y, bool byKeyboard) override;
    void ShowVersion() override;

    forms::FrmMovra form_;
    QPointer<AboutWindow> version_;  // the about box while it is loaded
};

}  // namespace movra::qt
