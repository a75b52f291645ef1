#include "forms/player.h"

namespace movra::forms {

Player::Player(FrmMovra& form, const std::vector<script::Command>& recording) : form_(form), playback_(recording) {
    form.Follow(*this);
    Press(playback_.Advance(0));
}

Player::~Player() { form_.Unfollow(*this); }

void Player::Ticked() {
    Press(playback_.Advance(1));
    // A press still to come must find the timer on its tick, so it may not
    // sleep through the rest before it: woken at once, it ticks on its grid,
    // and ticks at rest change nothing.
    if (playback_.Pending() && form_.Timer1().Asleep()) form_.Timer1().Wake();
}

void Player::Press(const std::vector<script::Command>& presses) {
    for (const script::Command& press : presses) form_.Press(press.button, press.x, press.y);
}

}  // namespace movra::forms
