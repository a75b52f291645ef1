#include "frontends/win32/animation_timer.h"

namespace movra::win32 {

AnimationTimer::AnimationTimer(HWND window, UINT_PTR id, int periodMs, std::function<void(int skipped)> woke)
    : window_(window), id_(id), grid_(periodMs), woke_(std::move(woke)) {}

void AnimationTimer::Set(int delayMs) {
    SetTimer(window_, id_, UINT(delayMs), nullptr);
    delayMs_ = delayMs;
}

void AnimationTimer::Start() {
    grid_.Ticked(std::int64_t(GetTickCount64()));
    Set(grid_.period());
}

void AnimationTimer::Sleep() {
    grid_.Sleep();
    Stop();
}

void AnimationTimer::Wake() {
    if (!grid_.Asleep()) return;
    const session::TickGrid::Wakeup wakeup = grid_.Wake(std::int64_t(GetTickCount64()));
    Set(wakeup.delayMs);
    woke_(wakeup.missed);
}

void AnimationTimer::Stop() {
    KillTimer(window_, id_);
    delayMs_ = 0;
}

void AnimationTimer::Ticked() {
    grid_.Ticked(std::int64_t(GetTickCount64()));
    // The first tick after a wake came after part of a period; the following
    // ones come a whole period apart again.
    if (delayMs_ != 0 && delayMs_ != grid_.period()) Set(grid_.period());
}

}  // namespace movra::win32
