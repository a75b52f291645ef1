#include "frontends/xscreensaver/hack.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace movra::xscreensaver {
namespace {

// A window of its own is as large as the pond four times.
constexpr unsigned OwnWidth = 4 * PondWidthPixels, OwnHeight = 4 * PondHeightPixels;

Display* OpenDisplay() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = XDisplayName(nullptr);
        throw std::runtime_error(std::string("cannot open display '") + (name ? name : "") + "'");
    }
    return display;
}

// While a named window is looked up: its absence shows in the call's status.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// From then on. The window is xscreensaver's, which destroys it when the
// saver stops: a request on it that fails then ends the hack, and is no error
// to speak of.
int EndWhenWindowGoes(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) std::_Exit(EXIT_SUCCESS);
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "movra: X error: %s\n", text);
    std::_Exit(EXIT_FAILURE);
}

Window GivenWindow(Display* display, unsigned long id) {
    XSetErrorHandler(IgnoreError);
    XWindowAttributes attributes;
    const bool found = XGetWindowAttributes(display, id, &attributes) != 0;
    XSetErrorHandler(EndWhenWindowGoes);
    if (!found) {
        char hex[32];
        std::snprintf(hex, sizeof hex, "0x%lx", id);
        throw std::runtime_error(std::string("no window ") + hex);
    }
    return id;
}

Window OwnWindow(Display* display) {
    const int screen = DefaultScreen(display);
    const unsigned long black = BlackPixel(display, screen);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, OwnWidth, OwnHeight, 0,
                                              black, black);
    XStoreName(display, window, "Movra");
    return window;
}

Window TargetWindow(Display* display, const HackCommandLine& commandLine) {
    XSetErrorHandler(EndWhenWindowGoes);
    switch (commandLine.target) {
    case Target::Root: return DefaultRootWindow(display);
    case Target::GivenWindow: return GivenWindow(display, commandLine.windowId);
    case Target::OwnWindow: break;
    }
    return OwnWindow(display);
}

}  // namespace

std::int64_t Hack::Controls::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void Hack::Controls::ReportError(const RuntimeError& error) {
    std::fprintf(stderr, "movra: run-time error %d: %s\n", error.number(), error.what());
}

Hack::Hack(const HackCommandLine& commandLine)
    : display_(OpenDisplay()),
      window_(TargetWindow(display_.get(), commandLine)),
      ownWindow_(commandLine.target == Target::OwnWindow),
      deleteWindow_(XInternAtom(display_.get(), "WM_DELETE_WINDOW", False)),
      pond_(display_.get(), window_),
      timer1_(controls_),
      rainDevice_(controls_),
      form_({pond_, timer1_, controls_, controls_, controls_, controls_}) {
    XSelectInput(display_.get(), window_, ExposureMask | StructureNotifyMask);
    if (ownWindow_) {
        XSetWMProtocols(display_.get(), window_, &deleteWindow_, 1);
        XMapWindow(display_.get(), window_);  // shown at its first exposure
    } else {
        pond_.Show();
    }
    form_.Load();
    rain_.emplace(form_, rainDevice_, commandLine.rainSeed.value_or(forms::Rain::ClockSeed()));
}

int Hack::Run() {
    Display* display = display_.get();
    while (!controls_.endStatus) {
        while (!controls_.endStatus && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            Handle(event);
        }
        if (controls_.endStatus) break;
        RunDueTimers();
        XFlush(display);
        // Sending may have read events: they are handled before any wait.
        if (!controls_.endStatus && XQLength(display) == 0) Wait();
    }
    return *controls_.endStatus;
}

void Hack::Handle(const XEvent& event) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) pond_.Show();
        break;
    case ConfigureNotify:
        if (pond_.Fit(event.xconfigure.width, event.xconfigure.height)) {
            form_.Repaint();
            pond_.Show();
        }
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window_) controls_.endStatus = EXIT_SUCCESS;
        break;
    case ClientMessage:
        if (Atom(event.xclient.data.l[0]) == deleteWindow_) controls_.endStatus = EXIT_SUCCESS;
        break;
    }
}

void Hack::RunDueTimers() {
    const std::int64_t nowMs = controls_.NowMs();
    if (timer1_.TakeDue(nowMs)) form_.Timer1_Event();
    if (rainDevice_.TakeDue(nowMs)) rain_->Fired();
}

void Hack::Wait() {
    int timeoutMs = -1;
    const std::int64_t nowMs = controls_.NowMs();
    for (const DueTimer* timer : {&timer1_, &rainDevice_})
        if (const std::optional<std::int64_t> due = timer->DueMs()) {
            const int ms = int(std::max<std::int64_t>(0, *due - nowMs));
            timeoutMs = timeoutMs < 0 ? ms : std::min(timeoutMs, ms);
        }
    pollfd watched[] = {{ConnectionNumber(display_.get()), POLLIN, 0}, {signals_.fd(), POLLIN, 0}};
    if (poll(watched, 2, timeoutMs) < 0 && errno != EINTR) throw std::runtime_error("poll failed");
    if (watched[1].revents & POLLIN) controls_.endStatus = EXIT_SUCCESS;
}

}  // namespace movra::xscreensaver
