// A timer device that the hack's loop keeps: the instant it is next due.
#pragma once

#include <cstdint>
#include <optional>

#include "forms/controls.h"

namespace movra::xscreensaver {

class DueTimer final : public forms::TimerDevice {
public:
    // clock: milliseconds, monotonic; the loop's own.
    explicit DueTimer(forms::Runtime& clock) : clock_(clock) {}

    void Set(int intervalMs) override {
        intervalMs_ = intervalMs;
        dueMs_ = clock_.NowMs() + intervalMs;
    }
    void Kill() override { dueMs_.reset(); }

    // None while killed.
    std::optional<std::int64_t> DueMs() const { return dueMs_; }
    // True when due at nowMs, its next instant set a period on: the caller
    // runs its event, which may set it anew. A timer behind by whole periods
    // (the machine was suspended) fires once, on the same beat.
    bool TakeDue(std::int64_t nowMs) {
        if (!dueMs_ || nowMs < *dueMs_) return false;
        do *dueMs_ += intervalMs_;
        while (*dueMs_ <= nowMs);
        return true;
    }

private:
    forms::Runtime& clock_;
    int intervalMs_ = 0;
    std::optional<std::int64_t> dueMs_;
};

}  // namespace movra::xscreensaver
