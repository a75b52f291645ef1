// The page's one program: the main form on the browser's controls, the
// session's recorder and, while a recording plays, its player.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/script/script.h"
#include "forms/frm_movra.h"
#include "forms/player.h"
#include "forms/rain.h"
#include "forms/recorder.h"
#include "frontends/web/browser_controls.h"

namespace movra::web {

class WebProgram {
public:
    // A fresh calm pond on a blank canvas, recording from now; with a
    // recording, its presses land on their ticks, as movra --play --record.
    explicit WebProgram(double density, const std::vector<script::Command>* recording = nullptr);
    ~WebProgram();
    WebProgram(const WebProgram&) = delete;
    WebProgram& operator=(const WebProgram&) = delete;

    // The ids of its timers on the page, as their beats come back.
    enum TimerId { Timer1Id, RainId };

    forms::FrmMovra& form() { return form_; }
    // A beat of the timer with this id.
    void Fired(int timer);
    // Rain on or off: drops that fall by themselves, recorded as presses.
    void SetRain(bool on);
    bool Raining() const { return rain_.has_value(); }
    double density() const { return picture1_.density(); }
    // The canvas was sized afresh, and so is blank.
    void Resize(double density);
    // The session so far, its ticks counted up to now, in the recording format.
    const std::string& Recording();
    // How far the pond has run: the ticks the sleeping timer skipped count.
    long Ticks() const { return ticks_.Count(); }

private:
    // The recording kept in the page's memory, which takes every write.
    struct MemorySink : forms::RecordSink {
        std::optional<std::string> Write(const std::string& lines) override;
        void Tell(const std::string& message) override;
        std::string text;
    };
    struct TickCount : forms::FormFollower {
        explicit TickCount(forms::FrmMovra& form) : form(form) { form.Follow(*this); }
        ~TickCount() { form.Unfollow(*this); }
        void Ticked() override { ++ticks; }
        void Woke(int skipped) override { ticks += skipped; }
        // The end stops the count with the clock.
        void Closing() override {
            ticks = Count();
            closed = true;
        }
        long Count() const;
        forms::FrmMovra& form;
        long ticks = 0;
        bool closed = false;
    };

    CanvasBox picture1_;
    PageTimer timer1_{Timer1Id};
    PageTimer rainTimer_{RainId};
    PageControls controls_;
    forms::FrmMovra form_;
    TickCount ticks_{form_};
    MemorySink sink_;
    forms::Recorder recorder_;
    std::optional<forms::Player> player_;
    // Follows the form after the recorder, which so counts a tick before
    // the drop that falls in it.
    std::optional<forms::Rain> rain_;
};

}  // namespace movra::web
