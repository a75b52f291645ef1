#include "frontends/web/gif_frames.h"

namespace movra::web {

GifFrames::GifFrames(const std::vector<script::Command>& recording, double scale)
    : recording_(recording), replay_(scale) {}

const std::uint32_t* GifFrames::Next() {
    const std::uint32_t* frame = nullptr;
    while (!frame && next_ < recording_.size()) {
        // A tick command of n ticks runs as n commands of one: a frame each.
        script::Command step = recording_[next_];
        if (step.kind != script::Command::Tick || ++ticksRun_ == step.ticks) {
            ++next_;
            ticksRun_ = 0;
        }
        step.ticks = 1;
        replay_.Run({step}, {}, false, [&frame](long, const ImageSurface& pond) { frame = pond.pixels(); });
    }
    return frame;
}

}  // namespace movra::web
