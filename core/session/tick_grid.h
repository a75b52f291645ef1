// The animation timer's beat: a grid of instants a period apart that goes on
// while the timer sleeps, so that waking puts the ticks back where they were.
#pragma once

#include <cstdint>

namespace movra::session {

// Times are milliseconds on a monotonic clock, read by the front end once per
// event and handed in, so that every answer of one event agrees.
class TickGrid {
public:
    explicit TickGrid(int periodMs) : period_(periodMs) {}

    void Ticked(std::int64_t nowMs) { lastTick_ = nowMs; }
    // From a tick, whose instant stays on the grid.
    void Sleep() { asleep_ = true; }
    bool Asleep() const { return asleep_; }
    // While asleep: the grid instants passed since the last tick.
    int Missed(std::int64_t nowMs) const { return asleep_ ? int((nowMs - lastTick_) / period_) : 0; }

    struct Wakeup {
        int missed;   // the ticks skipped while asleep
        int delayMs;  // until the next grid instant, 1..period
    };
    // Asleep only: runs again from now.
    Wakeup Wake(std::int64_t nowMs) {
        const std::int64_t asleep = nowMs - lastTick_;
        asleep_ = false;
        return {int(asleep / period_), int(period_ - asleep % period_)};
    }

    int period() const { return period_; }

private:
    int period_;
    std::int64_t lastTick_ = 0;
    bool asleep_ = false;
};

}  // namespace movra::session
