// The player: plays a recording's presses on the form, each on its tick.
#pragma once

#include <vector>

#include "core/session/playback.h"
#include "forms/frm_movra.h"

namespace movra::forms {

// Counts ticks by the shared playing rules and hands each press to the pond
// once the ticks before it have come, by the road of a real press: so a
// recorder records it too. Live presses go on alongside; after the last
// press the player does nothing.
class Player final : public FormFollower {
public:
    // Presses before the recording's first tick land at once.
    Player(FrmMovra& form, const std::vector<script::Command>& recording);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void Ticked() override;
    // The ticks skipped while asleep count, as the recorder counts them.
    void Woke(int skipped) override { Press(playback_.Advance(skipped)); }

private:
    void Press(const std::vector<script::Command>& presses);

    FrmMovra& form_;
    session::Playback playback_;
};

}  // namespace movra::forms
