#include "player.h"

namespace movra {

Player::Player(FrmMovra& form, const std::vector<script::Command>& recording) : form_(form) {
    long tick = 0;
    for (const script::Command& command : recording) {
        if (command.kind == script::Command::Tick)
            tick += command.ticks;
        else
            presses_.push_back({tick, command});
    }
    connect(form.Timer1, &QTimer::timeout, this, [this] {
        ++ticks_;
        PressWhatIsDue();
        // A press still to come must find the timer on its tick, so it may
        // not sleep through the rest before it: woken at once, it ticks on
        // its grid, and ticks at rest change nothing.
        if (next_ < presses_.size() && form_.Timer1->Asleep()) form_.Timer1->Wake();
    });
    // Kept awake, the timer skips ticks only behind a tick that overran its
    // period; they count all the same, as the recorder counts them.
    connect(form.Timer1, &AnimationTimer::Woke, this, [this](int missed) { ticks_ += missed; });
    PressWhatIsDue();
}

void Player::PressWhatIsDue() {
    for (; next_ < presses_.size() && presses_[next_].tick <= ticks_; ++next_) {
        const script::Command& press = presses_[next_].press;
        emit form_.Picture1->MouseDown(press.button, press.x, press.y);
    }
}

}  // namespace movra
