// The player: plays a recording's presses on the window, each on its tick.
#pragma once

#include <QObject>
#include <vector>

#include "frontends/qt/frmmovra.h"
#include "core/session/playback.h"

namespace movra {

// Counts ticks by the shared playing rules and hands each press to the pond
// once the ticks before it have come, by the picture box's own signal: so a played
// press takes the road of a real one, and a recorder records it too. Live
// presses go on alongside; after the last press the player does nothing.
class Player : public QObject {
    Q_OBJECT

public:
    // Presses before the recording's first tick land at once.
    Player(FrmMovra& form, const std::vector<script::Command>& recording);

private:
    void Press(const std::vector<script::Command>& presses);

    FrmMovra& form_;
    session::Playback playback_;
};

}  // namespace movra
