// The recorder: writes the session on the pond as a movra-replay script.
#pragma once

#include <windows.h>

#include "frontends/win32/frm_movra.h"
#include "frontends/win32/record_file.h"
#include "core/session/recorder_rules.h"

namespace movra::win32 {

// Follows the window's events, which know nothing of it: every press that
// reaches the pond's handler, and the ticks between them, counted by the
// shared recorder rules. The file gets whole lines only, once a second and
// when the window goes or the recorder does, so that a killed program loses
// at most its last second and leaves a valid script.
class Recorder : public FormFollower {
public:
    // file: open; emptied here, then the header goes in.
    Recorder(FrmMovra& form, RecordFile file);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Ticked() override { rules_.Ticked(); }
    void Woke(int skipped) override { rules_.Woke(skipped); }
    void Pressed(int button, float x, float y) override { rules_.Pressed(button, x, y); }
    void Closing() override { Finish(); }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Finish();

    FrmMovra& form_;
    RecordFile file_;
    session::RecorderRules rules_;
    HWND flushWindow_ = nullptr;  // message-only: its timer flushes once a second
};

}  // namespace movra::win32
