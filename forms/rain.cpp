#include "forms/rain.h"

#include <chrono>

#include "core/model/press.h"

namespace movra::forms {
namespace {

constexpr int TickMs = 100;
// Drops come 1 to 19 ticks apart, a second on average: with a source's 30
// ticks, about three of the ten slots are busy at a time.
constexpr unsigned LongestGap = 19;

}  // namespace

Rain::Rain(FrmMovra& form, TimerDevice& device, std::uint32_t seed)
    : form_(form), device_(device), random_(seed), ticksToDrop_(1 + int(random_() % LongestGap)) {
    form.Follow(*this);
    // A pond already asleep would never tick down to the first drop.
    if (form.Timer1().Asleep()) device_.Set(ticksToDrop_ * TickMs);
}

Rain::~Rain() {
    if (!closed_) {
        device_.Kill();
        form_.Unfollow(*this);
    }
}

std::uint32_t Rain::ClockSeed() {
    return std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count());
}

void Rain::Ticked() {
    if (--ticksToDrop_ <= 0) Drop();
    // Asleep from this tick on: the device wakes the pond on the drop's tick.
    if (!closed_ && form_.Timer1().Asleep()) device_.Set(ticksToDrop_ * TickMs);
}

void Rain::Woke(int skipped) {
    device_.Kill();
    ticksToDrop_ -= skipped;
    if (ticksToDrop_ <= 0) Drop();
}

void Rain::Closing() {
    closed_ = true;
    device_.Kill();
}

void Rain::Fired() {
    device_.Kill();
    // Waking tells Woke of the ticks slept through, which brings the drop.
    form_.Timer1().Wake();
}

void Rain::Drop() {
    // Uniform enough: the remainders' bias is below one in a million.
    const float x = float(random_() % unsigned(PondWidthTwips)), y = float(random_() % unsigned(PondHeightTwips));
    ticksToDrop_ = 1 + int(random_() % LongestGap);
    form_.Press(LeftButton, x, y);
}

}  // namespace movra::forms
