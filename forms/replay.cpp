#include "forms/replay.h"

#include "core/model/press.h"

namespace movra::replay {
namespace {

constexpr int TickMs = 100;

std::string Levels(const Model& model) {
    std::string lines = "levels\n";
    for (int y = 1; y <= GridSize; ++y)
        for (int x = 1; x <= GridSize; ++x) lines += std::to_string(model.LevelGrid(x, y)) + (x < GridSize ? ' ' : '\n');
    lines += "ages";
    for (int i = 1; i <= SourceSlots; ++i) lines += ' ' + std::to_string(model.Sources(i).Age);
    return lines + '\n';
}

}  // namespace

Replay::Controls::Controls(double scale) : image(PondWidthPixels, PondHeightPixels, scale, DefaultControlColour) {}

void Replay::Controls::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    image.FillBox(x1, y1, x2, y2, colour);
    painted.push_back({x1, y1, x2, y2, colour});
}

void Replay::Controls::Set(int ms) {
    armed = true;
    intervalMs = ms;
    dueMs = nowMs + ms;
}

Replay::Replay(double scale) : controls_(scale), form_({controls_, controls_, controls_, controls_, controls_, controls_}) {
    form_.Load();
    if (controls_.error) throw *controls_.error;
}

void Replay::Run(const std::vector<script::Command>& commands, const TraceSink& trace, bool levels,
                 const FrameSink& frame) {
    controls_.trace = trace;
    for (const script::Command& command : commands) {
        if (command.kind == script::Command::Press) {
            form_.Picture1_Event(command.button, command.x, command.y);
            if (controls_.error) throw *controls_.error;
        } else {
            for (long i = 0; i < command.ticks; ++i) Tick(levels, frame);
        }
    }
}

void Replay::Tick(bool levels, const FrameSink& frame) {
    controls_.nowMs += TickMs;
    controls_.painted.clear();
    // Asleep at rest, the timer lets the tick pass: it would paint nothing.
    if (controls_.armed && controls_.nowMs >= controls_.dueMs) {
        controls_.dueMs += controls_.intervalMs;
        form_.Timer1_Event();
        if (controls_.error) throw *controls_.error;
    }
    ++ticks_;
    if (controls_.trace) {
        std::string lines = "tick " + std::to_string(ticks_) + '\n';
        for (const Box& box : controls_.painted)
            lines += "box " + std::to_string(long(box.x1)) + ' ' + std::to_string(long(box.y1)) + ' ' +
                     std::to_string(long(box.x2)) + ' ' + std::to_string(long(box.y2)) + ' ' +
                     std::to_string(box.colour) + '\n';
        if (levels) lines += Levels(form_.model());
        controls_.trace(lines);
    }
    if (frame) frame(ticks_, controls_.image);
}

}  // namespace movra::replay
