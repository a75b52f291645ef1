// movra as an xscreensaver hack: the pond raining on the root window, in a
// window named by xscreensaver, or in a window of its own.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "frontends/xscreensaver/command_line.h"
#include "frontends/xscreensaver/hack.h"

int main(int argc, char** argv) {
    using namespace movra::xscreensaver;
    std::string out, err;
    const HackCommandLine commandLine =
        ReadHackCommandLine({argv + 1, argv + argc}, std::getenv("XSCREENSAVER_WINDOW"), out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    try {
        Hack hack(commandLine);
        return hack.Run();
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "movra: %s\n", error.what());
        return EXIT_FAILURE;
    }
}
