// A headless forms runtime: a clock of its own and a recording surface
// under the program's own form, driven by a script instead of a mouse and a
// timer, writing the trace of painted boxes and handing each tick's image on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/model.h"
#include "core/render/image_surface.h"
#include "core/render/recording_surface.h"
#include "core/script/script.h"
#include "forms/frm_movra.h"
#include "forms/rain.h"

namespace movra::replay {

// Called after every tick with the tick's number (from 1) and the pond.
using FrameSink = std::function<void(long tick, const ImageSurface& pond)>;
// Takes the trace's lines as each tick or press writes them.
using TraceSink = std::function<void(const std::string& lines)>;

class Replay {
public:
    // scale: device pixels per logical pixel of the images handed on.
    explicit Replay(double scale = 1);

    // From now on rain falls too, from the random sequence of seed, and its
    // drops are written into the trace as 'press X Y 1' lines.
    void StartRain(std::uint32_t seed);

    // Runs the commands in order: a tick command is so many 100 ms steps of
    // the clock. Each tick writes its number and the boxes painted, and with
    // levels the level grid and the slots' ages. A run-time error is thrown.
    void Run(const std::vector<script::Command>& commands, const TraceSink& trace, bool levels,
             const FrameSink& frame = {});

    const Model& model() const { return form_.model(); }
    // The pond as painted so far, one pixel per logical pixel times scale.
    const ImageSurface& pond() const { return controls_.image; }
    // For a follower of the form's events, such as a recorder, and for keys.
    forms::FrmMovra& form() { return form_; }

private:
    // A timer on the script's clock: it fires only when it is due.
    struct VirtualTimer : forms::TimerDevice {
        explicit VirtualTimer(const std::int64_t& nowMs) : nowMs(nowMs) {}
        void Set(int intervalMs) override;
        void Kill() override { armed = false; }
        // At a step of the clock: whether the timer fires now.
        bool Due();

        const std::int64_t& nowMs;
        bool armed = false;
        int intervalMs = 0;
        std::int64_t dueMs = 0;
    };

    // Every control, on the script's clock: the picture box keeps the boxes
    // of the current tick and the pond's image, and the menu is written to
    // the trace; its commands never come.
    struct Controls : forms::PictureBox, forms::PopupMenu, forms::HelpViewer, forms::AboutBox, forms::Runtime {
        explicit Controls(double scale);
        void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
        void Refresh() override {}
        void Popup(float, float, bool) override {
            if (trace) trace("popup\n");
        }
        void OpenHelp(const std::string&) override {}
        void ShowVersion() override {}
        std::int64_t NowMs() override { return nowMs; }
        std::string AppPath() override { return ""; }
        char PathSeparator() override { return '/'; }
        void ReportError(const RuntimeError& error) override { this->error = error; }
        void End(int) override {}

        ImageSurface image;
        std::vector<Box> painted;
        std::int64_t nowMs = 0;
        VirtualTimer timer1{nowMs};
        VirtualTimer rainTimer{nowMs};
        TraceSink trace;
        std::optional<RuntimeError> error;
    };

    void Tick(bool levels, const FrameSink& frame);

    // Keeps the rain's drops for the trace, which writes them after the
    // lines of the tick that they follow.
    struct DropTrace final : forms::FormFollower {
        void Pressed(int button, float x, float y) override;
        std::string lines;
    };

    long ticks_ = 0;
    Controls controls_;
    forms::FrmMovra form_;
    std::optional<DropTrace> dropTrace_;
    std::optional<forms::Rain> rain_;
};

}  // namespace movra::replay
