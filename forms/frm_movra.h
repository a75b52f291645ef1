// The main form, whatever the toolkit: the design's event handlers over the
// controls a toolkit supplies.
#pragma once

#include <vector>

#include "core/model/model.h"
#include "core/model/runtime_error.h"
#include "forms/animation_timer.h"
#include "forms/controls.h"
#include "forms/form_follower.h"
#include "forms/pond_cursor.h"

namespace movra::forms {

// The items of MnuFile that run a command.
enum class MenuItem { MnuHelp, MnuVersion, MnuEnd };

// A toolkit creates its controls, then this form, calls Load, and wires its
// events to the event functions below. Each event runs under the runtime's
// rules: once the program is ending none runs, and a run-time error escaping
// a handler is reported and ends the program.
class FrmMovra {
public:
    explicit FrmMovra(const Controls& controls);
    FrmMovra(const FrmMovra&) = delete;
    FrmMovra& operator=(const FrmMovra&) = delete;

    // The events.
    void Load();
    void Timer1_Event();
    // The pointer pressed the pond: it hides the keyboard's cursor. button:
    // 1 left, 2 right, 4 middle, summed over the buttons held; x, y in twips
    // from the pond's inner top-left corner (see PressPoint).
    void Picture1_Event(int button, float x, float y);
    // A press by another road (a recording's, the rain's): the same handler,
    // the keyboard's cursor left as it is.
    void Press(int button, float x, float y);
    // A key of the pond's own (the form has the focus); fast: Ctrl or Shift
    // held. Drop and Menu act as a left and a right press at the cursor.
    void Key_Event(PondKey key, bool fast);
    void Menu_Event(MenuItem item);
    // The window is closed by the window system: its timer stops with it.
    void Unload();

    // The picture box's surface was made anew: every painted cell again.
    void Repaint();

    // Told from now until the form is unloaded or the follower unfollows.
    void Follow(FormFollower& follower) { followers_.push_back(&follower); }
    void Unfollow(FormFollower& follower);

    bool Ended() const { return ended_; }
    const Model& model() const { return model_; }
    Model& model() { return model_; }
    AnimationTimer& Timer1() { return timer1_; }
    const PondCursor& cursor() const { return cursor_; }

private:
    // The design's handlers.
    void Form_Load();
    void Timer1_Timer();
    void Picture1_MouseDown(int button, float x, float y, bool byKeyboard);
    void MnuHelp_Click();
    void MnuVersion_Click();
    void MnuEnd_Click();

    template <typename Handler>
    void Run(Handler&& handler) {
        if (ended_) return;
        try {
            handler();
        } catch (const RuntimeError& error) {
            Fail(error);
        }
    }
    template <typename Event>
    void Tell(Event&& event);
    void Fail(const RuntimeError& error);
    void End(int status);

    Controls controls_;
    Model model_;
    AnimationTimer timer1_;
    PondCursor cursor_;
    std::vector<FormFollower*> followers_;
    bool ended_ = false;
};

}  // namespace movra::forms
