// A headless forms runtime: a clock of its own and a recording surface
// under the program's own form, driven by a script instead of a mouse and a
// timer, writing the trace of painted boxes and handing each tick's image on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "core/model/model.h"
#include "core/render/image_surface.h"
#include "core/render/recording_surface.h"
#include "core/script/script.h"
#include "forms/frm_movra.h"

namespace movra::replay {

// Called after every tick with the tick's number (from 1) and the pond.
using FrameSink = std::function<void(long tick, const ImageSurface& pond)>;

class Replay {
public:
    // scale: device pixels per logical pixel of the images handed on.
    explicit Replay(double scale = 1);

    // Runs the commands in order: a tick command is so many 100 ms steps of
    // the clock. Each tick writes its number and the boxes painted, and with
    // levels the level grid and the slots' ages. A run-time error is thrown.
    void Run(const std::vector<script::Command>& commands, std::ostream& trace, bool levels,
             const FrameSink& frame = {});

    const Model& model() const { return form_.model(); }

private:
    // Picture1: the boxes of the current tick, and the pond's image.
    struct PictureBox : forms::PictureBox {
        explicit PictureBox(double scale);
        void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
        void Refresh() override {}
        ImageSurface image;
        RecordingSurface painted;
    };
    // A toolkit's timer on the script's clock.
    struct TimerDevice : forms::TimerDevice {
        explicit TimerDevice(const std::int64_t& now) : now(now) {}
        void Set(int intervalMs) override;
        void Kill() override { armed = false; }
        const std::int64_t& now;
        bool armed = false;
        int intervalMs = 0;
        std::int64_t dueMs = 0;
    };
    // The menu is written to the trace; its commands never come.
    struct Controls : forms::PopupMenu, forms::HelpViewer, forms::AboutBox, forms::Runtime {
        explicit Controls(const std::int64_t& now) : now(now) {}
        void Popup(float, float) override;
        void OpenHelp(const std::string&) override {}
        void ShowVersion() override {}
        std::int64_t NowMs() override { return now; }
        std::string AppPath() override { return ""; }
        char PathSeparator() override { return '/'; }
        void ReportError(const RuntimeError& error) override { this->error = error; }
        void End(int) override {}
        const std::int64_t& now;
        std::ostream* trace = nullptr;
        std::optional<RuntimeError> error;
    };

    void Tick(std::ostream& trace, bool levels, const FrameSink& frame);

    std::int64_t now_ = 0;  // the clock, milliseconds
    long ticks_ = 0;
    PictureBox picture1_;
    TimerDevice timer1_{now_};
    Controls controls_{now_};
    forms::FrmMovra form_;
};

}  // namespace movra::replay
