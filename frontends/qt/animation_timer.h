// The animation timer: periodic, and able to sleep while nothing moves.
#pragma once

#include <QTimer>
#include <functional>

#include "core/session/tick_grid.h"

namespace movra {

// Sleeping stops the timer altogether (no wake-ups at all); waking starts it
// again on the grid of instants it kept while running, so that the ticks
// after a wake come exactly when they would have come had it never stopped.
class AnimationTimer : public QTimer {
    Q_OBJECT

public:
    using Clock = std::function<qint64()>;  // milliseconds on a monotonic clock

    AnimationTimer(Clock clock, int periodMs, QObject* parent);

    // Stops until Wake. Called from a timeout, whose instant stays on the grid.
    void Sleep();
    // After Sleep, starts again with the next timeout on the grid; emits Woke
    // with the timeouts missed meanwhile. Running already, does nothing.
    void Wake();
    bool Asleep() const { return grid_.Asleep(); }
    // While asleep: the timeouts that would have come since Sleep.
    int MissedTicks() const { return grid_.Missed(clock_()); }

signals:
    void Woke(int missedTicks);

private:
    void Timeout();

    Clock clock_;
    session::TickGrid grid_;
};

}  // namespace movra
