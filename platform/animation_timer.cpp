#include "animation_timer.h"

namespace movra {

AnimationTimer::AnimationTimer(Clock clock, QObject* parent) : QTimer(parent), clock_(std::move(clock)) {
    // Connected first, so it runs before any handler of the timeout.
    connect(this, &QTimer::timeout, this, &AnimationTimer::Timeout);
}

void AnimationTimer::Timeout() {
    lastTimeout_ = clock_();
    // The first timeout after a wake came after part of a period; the
    // following ones come a whole period apart again.
    if (period_ > 0 && interval() != period_) setInterval(period_);
}

void AnimationTimer::Sleep() {
    if (asleep_) return;
    period_ = interval();
    asleep_ = true;
    stop();
}

int AnimationTimer::MissedTicks() const {
    return asleep_ && period_ > 0 ? int((clock_() - lastTimeout_) / period_) : 0;
}

void AnimationTimer::Wake() {
    if (!asleep_) return;
    // One reading of the clock for both, so that the missed timeouts and the
    // delay to the next one agree even when a grid instant falls between.
    const qint64 asleep = clock_() - lastTimeout_;
    asleep_ = false;
    start(int(period_ - asleep % period_));
    emit Woke(int(asleep / period_));
}

}  // namespace movra
