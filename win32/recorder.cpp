#include "recorder.h"

#include <chrono>

#include "console.h"
#include "messages.h"
#include "window_class.h"

namespace movra::win32 {
namespace {

constexpr UINT_PTR FlushTimerId = 1;

}  // namespace

Recorder::Recorder(FrmMovra& form, RecordFile file)
    : form_(form), file_(std::move(file)), recording_(std::chrono::system_clock::now()) {
    file_.Empty();
    Flush();
    RegisterWindowClass(L"MovraRecorder", Route<Recorder>, nullptr, nullptr);
    flushWindow_ = CreateWindowExW(0, L"MovraRecorder", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), this);
    SetTimer(flushWindow_, FlushTimerId, 1000, nullptr);
    form.Follow(*this);
}

Recorder::~Recorder() {
    Finish();
    DestroyWindow(flushWindow_);
}

void Recorder::Pressed(int button, float x, float y) {
    CountMissedTicks();
    recording_.Pressed(button, x, y);
}

LRESULT Recorder::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == FlushTimerId) {
        CountMissedTicks();
        Flush();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Recorder::CountMissedTicks() {
    if (form_.timer().Asleep()) recording_.Resting(form_.timer().MissedTicks());
}

void Recorder::Flush() {
    const std::string lines = recording_.TakeLines();
    if (lines.empty() || failed_) return;
    const std::error_code reason = file_.Write(lines);
    if (!reason) return;
    // The pond goes on; the user learns once that the recording has stopped.
    failed_ = true;
    std::string message = cli::CannotWrite("movra", file_.name(), reason);
    message.insert(message.size() - 1, "; the recording stops here");
    Tell("", message);
}

void Recorder::Finish() {
    if (!KillTimer(flushWindow_, FlushTimerId)) return;  // finished already
    CountMissedTicks();
    Flush();
}

}  // namespace movra::win32
