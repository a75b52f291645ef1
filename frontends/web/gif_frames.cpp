#include "frontends/web/gif_frames.h"

namespace movra::web {

GifFrames::GifFrames(const std::vector<script::Command>& recording, double scale) : replay_(scale) {
    // A tick command of n ticks becomes n commands of one: a frame each.
    for (script::Command command : recording) {
        const long ticks = command.kind == script::Command::Tick ? command.ticks : 1;
        command.ticks = 1;
        steps_.insert(steps_.end(), std::size_t(ticks), command);
    }
}

const std::uint32_t* GifFrames::Next() {
    const std::uint32_t* frame = nullptr;
    while (!frame && next_ < steps_.size())
        replay_.Run({steps_[next_++]}, {}, false,
                    [&frame](long, const ImageSurface& pond) { frame = pond.pixels(); });
    return frame;
}

}  // namespace movra::web
