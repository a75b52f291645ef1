#include "frontends/qt/animation_timer.h"

namespace movra {

AnimationTimer::AnimationTimer(Clock clock, int periodMs, QObject* parent)
    : QTimer(parent), clock_(std::move(clock)), grid_(periodMs) {
    setInterval(periodMs);
    // Connected first, so it runs before any handler of the timeout.
    connect(this, &QTimer::timeout, this, &AnimationTimer::Timeout);
}

void AnimationTimer::Timeout() {
    grid_.Ticked(clock_());
    // The first timeout after a wake came after part of a period; the
    // following ones come a whole period apart again.
    if (interval() != grid_.period()) setInterval(grid_.period());
}

void AnimationTimer::Sleep() {
    if (Asleep()) return;
    grid_.Sleep();
    stop();
}

void AnimationTimer::Wake() {
    if (!Asleep()) return;
    // One reading of the clock for both, so that the missed timeouts and the
    // delay to the next one agree even when a grid instant falls between.
    const session::TickGrid::Wakeup wakeup = grid_.Wake(clock_());
    start(wakeup.delayMs);
    emit Woke(wakeup.missed);
}

}  // namespace movra
