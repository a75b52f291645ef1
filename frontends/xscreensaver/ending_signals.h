// SIGTERM and SIGINT, which end a hack, read from a descriptor rather than
// caught by a handler: the loop waits on it beside the X connection.
#pragma once

namespace movra::xscreensaver {

class EndingSignals {
public:
    // Blocks the signals for the process, so that they wait on the descriptor.
    EndingSignals();
    ~EndingSignals();
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

    // Readable once either signal has come.
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace movra::xscreensaver
