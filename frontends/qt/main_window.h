// FrmMovra's window in Qt: the pond, its timer and its popup menu, wired to the shared form.
#pragma once

#include <QPointer>
#include <QWidget>

#include "forms/frm_movra.h"
#include "forms/zoom.h"
#include "frontends/qt/about_window.h"
#include "frontends/qt/pond_widget.h"
#include "frontends/qt/qt_runtime.h"
#include "frontends/qt/qt_timer.h"

class QAction;
class QMenu;

namespace movra::qt {

class MainWindow : public QWidget, forms::PopupMenu, forms::AboutBox {
public:
    // Lays the window out and runs the form's load handler. zoom: the factor
    // for this run, or 0 for the one the user chose last (1 at first); never
    // more than fits the screen.
    explicit MainWindow(Runtime& runtime, int zoom = 0);
    ~MainWindow() override;

    forms::FrmMovra& form() { return form_; }
    Model& model() { return form_.model(); }
    int zoom() const { return zoom_; }

    // The user's zoom keys and wheel: a step is taken only if the window then
    // still fits its screen, and is remembered for the next run. Not in full screen.
    void StepZoom(forms::ZoomStep step);
    // On the screen the window is on; leaving it gives the window back as it was.
    void SetFullScreen(bool on);

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
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Popup(float x, float y, bool byKeyboard) override;
    void ShowVersion() override;

    void ApplyZoom(int factor);
    bool Fits(int factor) const;
    void KeepOnScreen();

    forms::FrmMovra form_;
    QPointer<AboutWindow> version_;  // the about box while it is loaded
    int zoom_ = forms::MinZoom;
    int wheel_ = 0;  // the Ctrl wheel's turn not yet taken as steps, in eighths of a degree
};

}  // namespace movra::qt
