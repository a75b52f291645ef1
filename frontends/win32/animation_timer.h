// The animation timer: a window timer of a fixed period that can sleep while nothing moves.
#pragma once

#include <windows.h>

#include <functional>

#include "core/session/tick_grid.h"

namespace movra::win32 {

// Sleeping kills the window timer altogether (no wake-ups at all); waking sets
// it again on the grid of instants kept while running, so the ticks after a
// wake come when they would have come had it never stopped.
class AnimationTimer {
public:
    // woke: told of each wake-up with the ticks skipped while asleep.
    AnimationTimer(HWND window, UINT_PTR id, int periodMs, std::function<void(int skipped)> woke);

    void Start();
    // Called from a tick: stops until Wake.
    void Sleep();
    // Asleep only: runs again, the first tick on the grid.
    void Wake();
    bool Asleep() const { return grid_.Asleep(); }
    // While asleep: the ticks skipped so far.
    int MissedTicks() const { return grid_.Missed(std::int64_t(GetTickCount64())); }
    void Stop();

    // Call on the timer's WM_TIMER, before the tick's handler.
    void Ticked();

private:
    void Set(int delayMs);

    HWND window_;
    UINT_PTR id_;
    session::TickGrid grid_;
    std::function<void(int skipped)> woke_;
    int delayMs_ = 0;  // the window timer's current interval; 0 when stopped
};

}  // namespace movra::win32
