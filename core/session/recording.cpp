#include "core/session/recording.h"
#include "resources/texts.h"

#include <cstdio>

namespace movra::session {
namespace {

std::string IsoUtc(std::chrono::system_clock::time_point instant) {
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(instant);
    const auto day = floor<days>(seconds);
    const year_month_day date(day);
    const hh_mm_ss time(seconds - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()),
                  int(time.seconds().count()));
    return text;
}

}  // namespace

Recording::Recording(std::chrono::system_clock::time_point start) {
    writer_.Comment(std::string("movra ") + texts::FileVersion + " (" + texts::Caption + "), recorded " + IsoUtc(start));
}

void Recording::Ticked() { writer_.Add({script::Command::Tick}); }

void Recording::Resting(int skippedSoFar) {
    writer_.Add({script::Command::Tick, 0, 0, 1, skippedSoFar - restCounted_});
    restCounted_ = skippedSoFar;
}

void Recording::Woke(int skipped) {
    Resting(skipped);
    restCounted_ = 0;
}

void Recording::Pressed(int button, float x, float y) { writer_.Add({script::Command::Press, x, y, button}); }

}  // namespace movra::session
