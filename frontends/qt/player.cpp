#include "frontends/qt/player.h"

namespace movra {

Player::Player(FrmMovra& form, const std::vector<script::Command>& recording)
    : form_(form), playback_(recording) {
    connect(form.Timer1, &QTimer::timeout, this, [this] {
        Press(playback_.Advance(1));
        // A press still to come must find the timer on its tick, so it may
        // not sleep through the rest before it: woken at once, it ticks on
        // its grid, and ticks at rest change nothing.
        if (playback_.Pending() && form_.Timer1->Asleep()) form_.Timer1->Wake();
    });
    // Kept awake, the timer skips ticks only behind a tick that overran its
    // period; they count all the same, as the recorder counts them.
    connect(form.Timer1, &AnimationTimer::Woke, this, [this](int missed) { Press(playback_.Advance(missed)); });
    Press(playback_.Advance(0));
}

void Player::Press(const std::vector<script::Command>& presses) {
    for (const script::Command& press : presses) emit form_.Picture1->MouseDown(press.button, press.x, press.y);
}

}  // namespace movra
