// Runs a replay script through the program's own model and drawing pass,
// writing the trace of painted boxes and handing each tick's image on.
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "core/render/image_surface.h"
#include "core/model/model.h"
#include "core/render/recording_surface.h"
#include "core/script/script.h"

namespace movra::replay {

// Called after every tick with the tick's number (from 1) and the pond.
using FrameSink = std::function<void(long tick, const ImageSurface& pond)>;

class Replay {
public:
    // scale: device pixels per logical pixel of the images handed on.
    explicit Replay(double scale = 1);

    // Runs the commands in order; with levels, each tick also writes the
    // level grid and the slots' ages.
    void Run(const std::vector<script::Command>& commands, std::ostream& trace, bool levels,
             const FrameSink& frame = {});

    const Model& model() const { return model_; }

private:
    void Tick(std::ostream& trace, bool levels, const FrameSink& frame);

    Model model_;
    ImageSurface pond_;
    RecordingSurface painted_;  // the boxes of the current tick
    long ticks_ = 0;
};

}  // namespace movra::replay
