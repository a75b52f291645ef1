#include "core/session/recording.h"
#include "resources/texts.h"

#include <algorithm>

namespace movra::session {
namespace {

// A whole number in at least width digits, zeros in front.
std::string Padded(int number, std::size_t width) {
    const std::string digits = std::to_string(number);
    return std::string(width - std::min(width, digits.size()), '0') + digits;
}

std::string IsoUtc(std::chrono::system_clock::time_point instant) {
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(instant);
    const auto day = floor<days>(seconds);
    const year_month_day date(day);
    const hh_mm_ss time(seconds - day);
    return Padded(int(date.year()), 4) + '-' + Padded(int(unsigned(date.month())), 2) + '-' +
           Padded(int(unsigned(date.day())), 2) + 'T' + Padded(int(time.hours().count()), 2) + ':' +
           Padded(int(time.minutes().count()), 2) + ':' + Padded(int(time.seconds().count()), 2) + 'Z';
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
