#include "frontends/replay/replay.h"

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "core/model/press.h"
#include "core/render/recording_surface.h"
#include "core/model/tick_update.h"

namespace movra::replay {
namespace {

// The window's Picture1 is 120 by 119 logical pixels inside its border.
constexpr int PondWidthPixels = int(PondWidthTwips) / TwipsPerPixel;
constexpr int PondHeightPixels = int(PondHeightTwips) / TwipsPerPixel;

void WriteLevels(std::ostream& trace, const Model& model) {
    trace << "levels\n";
    for (int y = 1; y <= GridSize; ++y)
        for (int x = 1; x <= GridSize; ++x)
            trace << model.LevelGrid(x, y) << (x < GridSize ? ' ' : '\n');
    trace << "ages";
    for (int i = 1; i <= SourceSlots; ++i) trace << ' ' << model.Sources(i).Age;
    trace << '\n';
}

}  // namespace

Replay::Replay(double scale)
    : pond_(PondWidthPixels, PondHeightPixels, scale, DefaultControlColour) {
    ResetModel(model_);
    BuildTables(model_);
}

void Replay::Run(const std::vector<script::Command>& commands, std::ostream& trace, bool levels,
                 const FrameSink& frame) {
    for (const script::Command& command : commands) {
        if (command.kind == script::Command::Press) {
            if (PressPond(model_, Int16(command.button), command.x, command.y)) trace << "popup\n";
        } else {
            for (long i = 0; i < command.ticks; ++i) Tick(trace, levels, frame);
        }
    }
}

void Replay::Tick(std::ostream& trace, bool levels, const FrameSink& frame) {
    TickUpdate(model_);
    painted_.boxes.clear();
    DrawPass(model_, painted_);
    trace << "tick " << ++ticks_ << '\n';
    for (const Box& box : painted_.boxes) {
        trace << "box " << long(box.x1) << ' ' << long(box.y1) << ' ' << long(box.x2) << ' '
              << long(box.y2) << ' ' << box.colour << '\n';
        pond_.FillBox(box.x1, box.y1, box.x2, box.y2, box.colour);
    }
    if (levels) WriteLevels(trace, model_);
    if (frame) frame(ticks_, pond_);
}

}  // namespace movra::replay
