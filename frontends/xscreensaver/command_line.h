// What the hack decides from its command line and environment before it
// connects to the display, in xscreensaver's conventions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace movra::xscreensaver {

// Where the pond is drawn.
enum class Target { OwnWindow, Root, GivenWindow };

struct HackCommandLine {
    // Set when the program ends at once: after --help or --version, or a bad
    // command line (reported in err).
    std::optional<int> exitStatus;
    Target target = Target::OwnWindow;
    unsigned long windowId = 0;  // GivenWindow's
    std::optional<std::uint32_t> rainSeed = std::nullopt;
};

// words: the arguments after the program's name. screensaverWindow: the
// XSCREENSAVER_WINDOW variable, or null. -window-id names the window first,
// then the variable, then -root the root window; with none of them the hack
// opens a window of its own. What the program says is added to out and err.
HackCommandLine ReadHackCommandLine(const std::vector<std::string>& words, const char* screensaverWindow,
                                    std::string& out, std::string& err);

}  // namespace movra::xscreensaver
