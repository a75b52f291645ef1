#include "frontends/web/web_program.h"

#include <cstdio>

namespace movra::web {

std::optional<std::string> WebProgram::MemorySink::Write(const std::string& lines) {
    text += lines;
    return std::nullopt;
}

// Never called, as no write fails; the console is where it would go.
void WebProgram::MemorySink::Tell(const std::string& message) { std::fputs(message.c_str(), stderr); }

long WebProgram::TickCount::Count() const {
    if (closed || !form.Timer1().Asleep()) return ticks;
    return ticks + form.Timer1().MissedTicks();
}

WebProgram::WebProgram(double density, const std::vector<script::Command>* recording)
    : picture1_(density),
      form_({picture1_, timer1_, controls_, controls_, controls_, controls_}),
      // The name the page saves it under, for the message of a failed write.
      recorder_(form_, sink_, "movra-session.txt") {
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

const std::string& WebProgram::Recording() {
    recorder_.Flush();
    return sink_.text;
}

}  // namespace movra::web
