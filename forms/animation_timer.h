// Timer1's behaviour on a toolkit's timer: periodic, and asleep while nothing moves.
#pragma once

#include <cstdint>
#include <functional>

#include "core/session/tick_grid.h"
#include "forms/controls.h"

namespace movra::forms {

// Sleeping stops the toolkit's timer altogether (no wake-ups at all); waking
// sets it again on the grid of instants kept while running, so that the ticks
// after a wake come exactly when they would have come had it never stopped.
class AnimationTimer {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, monotonic
    // woke: told of each wake-up with the ticks skipped while asleep.
    AnimationTimer(TimerDevice& device, Clock clock, int periodMs, std::function<void(int skipped)> woke);

    void Start();
    void Stop();
    // Called from a tick, whose instant stays on the grid: stops until Wake.
    void Sleep();
    // Asleep only: runs again, the next tick on the grid. Running, does nothing.
    void Wake();
    bool Asleep() const { return grid_.Asleep(); }
    // While asleep: the ticks skipped so far.
    int MissedTicks() const { return grid_.Missed(clock_()); }

    // On each of the device's events, before the tick's handler.
    void Ticked();

private:
    void Set(int intervalMs);

    TimerDevice& device_;
    Clock clock_;
    session::TickGrid grid_;
    std::function<void(int skipped)> woke_;
    int intervalMs_ = 0;  // the device's interval; 0 while stopped
};

}  // namespace movra::forms
