#include "frontends/win32/recorder.h"

#include <chrono>

#include "frontends/win32/console.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

constexpr UINT_PTR FlushTimerId = 1;

}  // namespace

Recorder::Recorder(FrmMovra& form, RecordFile file)
    : form_(form),
      file_(std::move(file)),
      rules_(
          std::chrono::system_clock::now(), file_.name(),
          [this]() -> std::optional<int> {
              if (form_.timer().Asleep()) return form_.timer().MissedTicks();
              return std::nullopt;
          },
          [this](const std::string& lines) -> std::optional<std::string> {
              if (const std::error_code reason = file_.Write(lines)) return reason.message();
              return std::nullopt;
          },
          [](const std::string& message) { Tell("", message); }) {
    file_.Empty();
    rules_.Flush();
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

LRESULT Recorder::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == FlushTimerId) {
        rules_.Flush();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Recorder::Finish() {
    if (KillTimer(flushWindow_, FlushTimerId)) rules_.Flush();  // else finished already
}

}  // namespace movra::win32
