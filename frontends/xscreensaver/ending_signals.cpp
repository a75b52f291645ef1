#include "frontends/xscreensaver/ending_signals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace movra::xscreensaver {

EndingSignals::EndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    fd_ = signalfd(-1, &signals, SFD_CLOEXEC);
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "signalfd");
}

EndingSignals::~EndingSignals() { close(fd_); }

}  // namespace movra::xscreensaver
