#include "forms/animation_timer.h"

namespace movra::forms {

AnimationTimer::AnimationTimer(TimerDevice& device, Clock clock, int periodMs, std::function<void(int skipped)> woke)
    : device_(device), clock_(std::move(clock)), grid_(periodMs), woke_(std::move(woke)) {}

void AnimationTimer::Set(int intervalMs) {
    device_.Set(intervalMs);
    intervalMs_ = intervalMs;
}

void AnimationTimer::Start() {
    grid_.Ticked(clock_());
    Set(grid_.period());
}

void AnimationTimer::Stop() {
    device_.Kill();
    intervalMs_ = 0;
}

void AnimationTimer::Sleep() {
    if (Asleep()) return;
    grid_.Sleep();
    Stop();
}

void AnimationTimer::Wake() {
    if (!Asleep()) return;
    // One reading of the clock for both, so that the skipped ticks and the
    // delay to the next one agree even when a grid instant falls between.
    const session::TickGrid::Wakeup wakeup = grid_.Wake(clock_());
    Set(wakeup.delayMs);
    woke_(wakeup.missed);
}

void AnimationTimer::Ticked() {
    grid_.Ticked(clock_());
    // The first tick after a wake came after part of a period; the following
    // ones come a whole period apart again.
    if (intervalMs_ != 0 && intervalMs_ != grid_.period()) Set(grid_.period());
}

}  // namespace movra::forms
