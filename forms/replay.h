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

namespace movra::replay {

// Called after every tick with the tick's number (from 1) and the pond.
using FrameSink = std::function<void(long tick, const ImageSurface& pond)>;
// Takes the trace's lines as each tick or press writes them.
using TraceSink = std::function<void(const std::string& lines)>;

class Replay {
public:
    // scale: device pixels per logical pixel of the images handed on.
    explicit Replay(double scale = 1);

    // Runs the commands in order: a tick command is so many 100 ms steps of
    // the clock. Each tick writes its number and the boxes painted, and with
    // levels the level grid and the slots' ages. A run-time error is thrown.
    void Run(const std::vector<script::Command>& commands, const TraceSink& trace, bool levels,
             const FrameSink& frame = {});

    const Model& model() const { return form_.model(); }

private:
    // Every control, on the script's clock: the picture box keeps the boxes
    // of the current tick and the pond's image, the timer only when it is
    // due, and the menu is written to the trace; its commands never come.
    struct Controls : forms::PictureBox, forms::TimerDevice, forms::PopupMenu, forms::HelpViewer, forms::AboutBox,
                      forms::Runtime {
        explicit Controls(double scale);
        void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
        void Refresh() override {}
        void Set(int intervalMs) override;
        void Kill() override { armed = false; }
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
        bool armed = false;  // the timer is set
        int intervalMs = 0;
        std::int64_t dueMs = 0;
        TraceSink trace;
        std::optional<RuntimeError> error;
    };

    void Tick(bool levels, const FrameSink& frame);

    long ticks_ = 0;
    Controls controls_;
    forms::FrmMovra form_;
};

}  // namespace movra::replay
