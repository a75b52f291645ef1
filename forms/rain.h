// Rain: drops that fall on the pond by themselves, as left presses at random
// points, about one a second, from a seeded random sequence.
#pragma once

#include <cstdint>
#include <random>

#include "forms/controls.h"
#include "forms/frm_movra.h"

namespace movra::forms {

// Counts the form's ticks down to the next drop. While the pond rests and
// Timer1 sleeps, the rain's own device wakes it on the drop's tick instead,
// so that rest costs no ticks between drops. Its drops are presses: a
// recorder records them, and a recording of rain replays without rain.
class Rain final : public FormFollower {
public:
    // device: a timer of the toolkit's own, whose events go to Fired.
    Rain(FrmMovra& form, TimerDevice& device, std::uint32_t seed);
    ~Rain();
    Rain(const Rain&) = delete;
    Rain& operator=(const Rain&) = delete;

    // A seed from the clock, for a rain that differs every run.
    static std::uint32_t ClockSeed();

    void Ticked() override;
    void Woke(int skipped) override;
    void Closing() override;
    // The device's event: the drop is due while Timer1 sleeps.
    void Fired();

private:
    void Drop();

    FrmMovra& form_;
    TimerDevice& device_;
    std::mt19937 random_;
    int ticksToDrop_;
    bool closed_ = false;
};

}  // namespace movra::forms
