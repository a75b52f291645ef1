// The player: plays a recording's presses on the window, each on its tick.
#pragma once

#include <QObject>
#include <vector>

#include "frmmovra.h"
#include "script.h"

namespace movra {

// Counts ticks as the recorder does and hands each press to the pond once
// the ticks before it have come, by the picture box's own signal: so a played
// press takes the road of a real one, and a recorder records it too. Live
// presses go on alongside; after the last press the player does nothing.
class Player : public QObject {
    Q_OBJECT

public:
    // Presses before the recording's first tick land at once.
    Player(FrmMovra& form, const std::vector<script::Command>& recording);

private:
    struct Due {
        long tick;  // ticks since the start after which the press lands
        script::Command press;
    };

    void PressWhatIsDue();

    FrmMovra& form_;
    std::vector<Due> presses_;
    std::size_t next_ = 0;
    long ticks_ = 0;  // ticks since the start, skipped ones included
};

}  // namespace movra
