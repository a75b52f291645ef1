// The animation timer: a window timer of a fixed period that can sleep while nothing moves.
#pragma once

#include <windows.h>

#include "tick_grid.h"

namespace movra::win32 {

// Sleeping kills the window timer altogether (no wake-ups at all); waking sets
// it again on the grid of instants kept while running, so the ticks after a
// wake come when they would have come had it never stopped.
class AnimationTimer {
public:
    AnimationTimer(HWND window, UINT_PTR id, int periodMs);

    void Start();
    // Called from a tick: stops until Wake.
    void Sleep();
    // Asleep only: runs again, the first tick on the grid.
    void Wake();
    bool Asleep() const { return grid_.Asleep(); }
    void Stop();

    // Call on the timer's WM_TIMER, before the tick's handler.
    void Ticked();

private:
    void Set(int delayMs);

    HWND window_;
    UINT_PTR id_;
    session::TickGrid grid_;
    int delayMs_ = 0;  // the window timer's current interval; 0 when stopped
};

}  // namespace movra::win32
