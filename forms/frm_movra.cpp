#include "forms/frm_movra.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/model/build_tables.h"
#include "core/model/press.h"
#include "core/model/tick_update.h"
#include "core/render/draw_pass.h"
#include "core/render/rgb.h"

namespace movra::forms {

template <typename Event>
void FrmMovra::Tell(Event&& event) {
    // By index: a follower may end the program, and so empty the list.
    for (std::size_t i = 0; i < followers_.size(); ++i) event(*followers_[i]);
}

FrmMovra::FrmMovra(const Controls& controls)
    : controls_(controls),
      timer1_(controls.Timer1, [&runtime = controls.runtime] { return runtime.NowMs(); }, 100, [this](int skipped) {
          Tell([skipped](FormFollower& follower) { follower.Woke(skipped); });
      }) {}

void FrmMovra::Load() { Run([this] { Form_Load(); }); }

void FrmMovra::Timer1_Event() {
    if (ended_) return;
    timer1_.Ticked();
    Run([this] { Timer1_Timer(); });
    if (!ended_) Tell([](FormFollower& follower) { follower.Ticked(); });
}

void FrmMovra::Picture1_Event(int button, float x, float y) {
    if (cursor_.Shown()) {
        cursor_.Hide();
        cursor_.Erase(model_, controls_.Picture1);
        controls_.Picture1.Refresh();
    }
    Press(button, x, y);
}

void FrmMovra::Press(int button, float x, float y) {
    Run([&] { Picture1_MouseDown(button, x, y, false); });
}

void FrmMovra::Key_Event(PondKey key, bool fast) {
    if (ended_) return;
    if (key == PondKey::Drop || key == PondKey::Menu) {
        // As a press in the cursor's cell would be, and recorded so.
        const TwipsPoint at = cursor_.PressAt();
        const int button = key == PondKey::Drop ? LeftButton : RightButton;
        Run([&] { Picture1_MouseDown(button, at.x, at.y, true); });
        return;
    }
    if (cursor_.Shown()) cursor_.Erase(model_, controls_.Picture1);
    cursor_.Move(key, fast);
    cursor_.Draw(controls_.Picture1);
    controls_.Picture1.Refresh();
}

void FrmMovra::Menu_Event(MenuItem item) {
    switch (item) {
    case MenuItem::MnuHelp: Run([this] { MnuHelp_Click(); }); break;
    case MenuItem::MnuVersion: Run([this] { MnuVersion_Click(); }); break;
    case MenuItem::MnuEnd: Run([this] { MnuEnd_Click(); }); break;
    }
}

void FrmMovra::Unload() {
    timer1_.Stop();
    for (FormFollower* follower : std::exchange(followers_, {})) follower->Closing();
}

void FrmMovra::Unfollow(FormFollower& follower) { std::erase(followers_, &follower); }

void FrmMovra::Repaint() {
    for (int y = 1; y <= DrawnSize; ++y)
        for (int x = 1; x <= DrawnSize; ++x)
            if (const Int16 shown = model_.ShownGrid(x, y); shown != 0)
                controls_.Picture1.FillBox(float((x - 1) * CellTwips), float((y - 1) * CellTwips),
                                           float(x * CellTwips), float(y * CellTwips), RGB(0, 0, shown));
    if (cursor_.Shown()) cursor_.Draw(controls_.Picture1);
    controls_.Picture1.Refresh();
}

void FrmMovra::Form_Load() {
    model_.AppDir = controls_.runtime.AppPath();
    const char separator = controls_.runtime.PathSeparator();
    if (model_.AppDir.empty() || model_.AppDir.back() != separator) model_.AppDir += separator;
    ResetModel(model_);
    BuildTables(model_);
    timer1_.Start();
}

void FrmMovra::Timer1_Timer() {
    TickUpdate(model_);
    DrawPass(model_, controls_.Picture1);
    // The pass may have painted over the marker's cell.
    if (cursor_.Shown()) cursor_.Draw(controls_.Picture1);
    controls_.Picture1.Refresh();
    // From here every tick would change nothing until a press: sleep instead.
    if (AtRest(model_)) timer1_.Sleep();
}

void FrmMovra::Picture1_MouseDown(int button, float x, float y, bool byKeyboard) {
    const bool menu = PressPond(model_, Int16(button), x, y);
    if (!AtRest(model_)) timer1_.Wake();
    // Before the menu: a toolkit's menu may run the ticks after the press in
    // a loop of its own.
    Tell([&](FormFollower& follower) { follower.Pressed(button, x, y); });
    if (menu) controls_.MnuFile.Popup(x, y, byKeyboard);
}

void FrmMovra::MnuHelp_Click() { controls_.help.OpenHelp(model_.AppDir + "Movra.hlp"); }

void FrmMovra::MnuVersion_Click() { controls_.version.ShowVersion(); }

void FrmMovra::MnuEnd_Click() { End(EXIT_SUCCESS); }

void FrmMovra::Fail(const RuntimeError& error) {
    // Stop every handler first: a toolkit's message box may run events of
    // its own, in which the timer would otherwise raise the same error again.
    ended_ = true;
    controls_.runtime.ReportError(error);
    End(EXIT_FAILURE);
}

void FrmMovra::End(int status) {
    ended_ = true;
    Unload();
    controls_.runtime.End(status);
}

}  // namespace movra::forms
