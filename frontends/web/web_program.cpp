#include "frontends/web/web_program.h"

#include <emscripten/emscripten.h>

#include <chrono>

// The wall clock, ms since 1970: the same as the C++ library's system clock,
// without its error path, which pulls in every error message of the C library.
EM_JS(double, page_date_now, (), { return Date.now(); });
EM_JS(void, page_console_error, (const char* text), { console.error(UTF8ToString(text)); });

namespace movra::web {
namespace {

std::chrono::system_clock::time_point PageNow() {
    return std::chrono::system_clock::time_point(std::chrono::milliseconds(std::int64_t(page_date_now())));
}

}  // namespace

std::optional<std::string> WebProgram::MemorySink::Write(const std::string& lines) {
    text += lines;
    return std::nullopt;
}

// Never called, as no write fails; the console is where it would go.
void WebProgram::MemorySink::Tell(const std::string& message) { page_console_error(message.c_str()); }

long WebProgram::TickCount::Count() const {
    if (closed || !form.Timer1().Asleep()) return ticks;
    return ticks + form.Timer1().MissedTicks();
}

WebProgram::WebProgram(double density, const std::vector<script::Command>* recording)
    : picture1_(density),
      form_({picture1_, timer1_, controls_, controls_, controls_, controls_}),
      // The name the page saves it under, for the message of a failed write.
      recorder_(form_, sink_, "movra-session.txt", PageNow()) {
    picture1_.Clear();
    form_.Load();
    // After the recorder, which so records the played presses as its own.
    if (recording) player_.emplace(form_, *recording);
}

// Stops the timer, and the recorder writes its last ticks.
WebProgram::~WebProgram() { form_.Unload(); }

void WebProgram::Resize(double density) {
    picture1_.Resize(density);
    picture1_.Clear();
    form_.Repaint();
}

void WebProgram::Fired(int timer) {
    if (timer == Timer1Id)
        form_.Timer1_Event();
    else if (rain_)
        rain_->Fired();
}

void WebProgram::SetRain(bool on) {
    if (!on)
        rain_.reset();
    else if (!rain_ && !form_.Ended())
        // Seeded as Rain::ClockSeed does, from the page's clock for the reason above.
        rain_.emplace(form_, rainTimer_, std::uint32_t(PageNow().time_since_epoch().count()));
}

const std::string& WebProgram::Recording() {
    recorder_.Flush();
    return sink_.text;
}

}  // namespace movra::web
