#include "forms/replay.h"

#include <utility>

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

void Replay::VirtualTimer::Set(int ms) {
    armed = true;
    intervalMs = ms;
    dueMs = nowMs + ms;
}

bool Replay::VirtualTimer::Due() {
    if (!armed || nowMs < dueMs) return false;
    dueMs += intervalMs;
    return true;
}

void Replay::DropTrace::Pressed(int button, float x, float y) {
    lines += "press " + std::to_string(long(x)) + ' ' + std::to_string(long(y)) + ' ' + std::to_string(button) + '\n';
}

Replay::Replay(double scale)
    : controls_(scale), form_({controls_, controls_.timer1, controls_, controls_, controls_, controls_}) {
    form_.Load();
    if (controls_.error) throw *controls_.error;
}

void Replay::StartRain(std::uint32_t seed) {
    dropTrace_.emplace();
    form_.Follow(*dropTrace_);
    rain_.emplace(form_, controls_.rainTimer, seed);
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
    // The rain wakes the sleeping pond on the tick of its drop, which then
    // falls between two ticks as a press would.
    if (rain_ && controls_.rainTimer.Due()) rain_->Fired();
    // Asleep at rest, the timer lets the tick pass: it would paint nothing.
    if (controls_.timer1.Due()) form_.Timer1_Event();
    if (controls_.error) throw *controls_.error;
    ++ticks_;
    if (controls_.trace) {
        std::string lines = "tick " + std::to_string(ticks_) + '\n';
        for (const Box& box : controls_.painted)
            lines += "box " + std::to_string(long(box.x1)) + ' ' + std::to_string(long(box.y1)) + ' ' +
                     std::to_string(long(box.x2)) + ' ' + std::to_string(long(box.y2)) + ' ' +
                     std::to_string(box.colour) + '\n';
        if (levels) lines += Levels(form_.model());
        if (dropTrace_) lines += std::exchange(dropTrace_->lines, {});
        controls_.trace(lines);
    }
    if (frame) frame(ticks_, controls_.image);
}

}  // namespace movra::replay
