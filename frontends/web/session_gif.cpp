#include "frontends/web/session_gif.h"

namespace movra::web {
namespace {

constexpr int FrameCentiseconds = 10;  // a tick

}  // namespace

SessionGif::SessionGif(const std::vector<script::Command>& recording, double scale)
    : recording_(recording),
      replay_(scale),
      encoder_(replay_.pond().width(), replay_.pond().height(), FrameCentiseconds) {}

bool SessionGif::Next() {
    bool added = false;
    while (!added && next_ < recording_.size()) {
        // A tick command of n ticks runs as n commands of one: a frame each.
        script::Command step = recording_[next_];
        if (step.kind != script::Command::Tick || ++ticksRun_ == step.ticks) {
            ++next_;
            ticksRun_ = 0;
        }
        step.ticks = 1;
        replay_.Run({step}, {}, false, [&](long, const ImageSurface& pond) {
            encoder_.Add(pond.pixels());
            added = true;
        });
    }
    if (!added) encoder_.Finish();
    bytes_ += encoder_.Take();
    return added;
}

}  // namespace movra::web
