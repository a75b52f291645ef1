// The recorder: writes the session on the pond as a movra-replay script.
#pragma once

#include <windows.h>

#include "frm_movra.h"
#include "record_file.h"
#include "recording.h"

namespace movra::win32 {

// Follows the window's events, which know nothing of it: every press that
// reaches the pond's handler, and the ticks between them, counted by the
// shared recording rules. The file gets whole lines only, once a second and
// when the window goes or the recorder does, so that a killed program loses
// at most its last second and leaves a valid script.
class Recorder : public FormFollower {
public:
    // file: open; emptied here, then the header goes in.
    Recorder(FrmMovra& form, RecordFile file);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Ticked() override { recording_.Ticked(); }
    void Woke(int skipped) override { recording_.Woke(skipped); }
    void Pressed(int button, float x, float y) override;
    void Closing() override { Finish(); }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CountMissedTicks();
    void Flush();
    void Finish();

    FrmMovra& form_;
    RecordFile file_;
    session::Recording recording_;
    HWND flushWindow_ = nullptr;  // message-only: its timer flushes once a second
    bool failed_ = false;         // a write failed and has been reported
};

}  // namespace movra::win32
