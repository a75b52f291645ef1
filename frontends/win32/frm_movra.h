// The main window: the pond, its animation timer and its popup menu.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "frontends/win32/animation_timer.h"
#include "frontends/win32/form_follower.h"
#include "frontends/win32/frm_version.h"
#include "core/model/model.h"
#include "frontends/win32/picture_box.h"
#include "frontends/win32/runtime.h"

namespace movra::win32 {

class FrmMovra {
public:
    // Creates the window and runs its load handler; Show puts it on screen.
    explicit FrmMovra(Runtime& runtime);
    ~FrmMovra();
    FrmMovra(const FrmMovra&) = delete;
    FrmMovra& operator=(const FrmMovra&) = delete;

    void Show();
    // Lets the about box have the keys it handles as a dialog would.
    bool TakesDialogKey(MSG& message);

    // Told from now until the window goes or this form does, whichever
    // comes first; until then the follower must live.
    void Follow(FormFollower& follower) { followers_.push_back(&follower); }
    // A press by the road of a real one on Picture1: button as its codes,
    // x, y in twips.
    void Press(int button, float x, float y);
    AnimationTimer& timer() { return *Timer1; }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Form_Load();
    void Timer1_Timer();
    void Picture1_MouseDown(int button, float x, float y);
    void MnuHelp_Click();
    void MnuVersion_Click();
    void MnuEnd_Click();

    // Sizes the window and the pond for dpi and paints the pond anew.
    void Layout(int dpi);

    Runtime& runtime_;
    Model model_;
    HWND hwnd_ = nullptr;
    int dpi_ = 0;
    // The controls, named as in the window's design.
    std::optional<PictureBox> Picture1;
    std::optional<AnimationTimer> Timer1;
    HMENU MnuFile = nullptr;
    std::unique_ptr<FrmVersion> version_;  // the about box, once shown
    std::vector<FormFollower*> followers_;
};

}  // namespace movra::win32
