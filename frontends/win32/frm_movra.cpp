#include "frontends/win32/frm_movra.h"

#include <algorithm>
#include <utility>

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "frontends/win32/help.h"
#include "core/model/press.h"
#include "frontends/win32/resources.h"
#include "frontends/win32/text.h"
#include "core/model/tick_update.h"
#include "frontends/win32/twips.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed single border, close box only
constexpr UINT_PTR Timer1Id = 1;
enum MenuItem : UINT { MnuHelpId = 1, MnuVersionId, MnuEndId };

// A new image holds nothing: every cell that was painted is painted again,
// exactly as the drawing pass left it.
void PaintShown(const Model& model, Surface& surface) {
    for (int y = 1; y <= DrawnSize; ++y)
        for (int x = 1; x <= DrawnSize; ++x)
            if (const Int16 shown = model.ShownGrid(x, y); shown != 0)
                surface.FillBox(float((x - 1) * CellTwips), float((y - 1) * CellTwips), float(x * CellTwips),
                                float(y * CellTwips), Colour(std::clamp<int>(shown, 0, 255)) << 16);  // RGB(0, 0, shown)
}

HMENU NewMnuFile() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, MnuHelpId, L"Movraﾍﾙﾌﾟ(&H)");
    AppendMenuW(menu, MF_STRING, MnuVersionId, L"ﾊﾞｰｼﾞｮﾝ情報(&A)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);  // MnuCap1
    AppendMenuW(menu, MF_STRING, MnuEndId, L"終了(&X)");
    return menu;
}

}  // namespace

FrmMovra::FrmMovra(Runtime& runtime) : runtime_(runtime) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(L"MovraFrmMovra", Route<FrmMovra>, CreateSolidBrush(0xc0c0c0),
                        LoadIconW(instance, MAKEINTRESOURCEW(IconId)));
    hwnd_ = CreateWindowExW(0, L"MovraFrmMovra", L"Movra Ver0.61", Style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                            nullptr, nullptr, instance, this);
    runtime_.Opened(hwnd_);
    Picture1.emplace(hwnd_, [this](int button, float x, float y) { Press(button, x, y); });
    Timer1.emplace(hwnd_, Timer1Id, 100, [this](int skipped) {
        for (FormFollower* follower : followers_) follower->Woke(skipped);
    });
    MnuFile = NewMnuFile();
    Layout(int(GetDpiForWindow(hwnd_)));
    runtime_.Run([this] { Form_Load(); });
}

FrmMovra::~FrmMovra() {
    followers_.clear();  // they may be gone already, and nothing more happens
    version_.reset();
    if (hwnd_) DestroyWindow(hwnd_);
    DestroyMenu(MnuFile);
}

void FrmMovra::Show() {
    ShowWindow(hwnd_, SW_SHOWDEFAULT);
    SetFocus(Picture1->hwnd());
}

bool FrmMovra::TakesDialogKey(MSG& message) { return version_ && version_->TakesDialogKey(message); }

void FrmMovra::Press(int button, float x, float y) {
    runtime_.Run([&] { Picture1_MouseDown(button, x, y); });
}

void FrmMovra::Layout(int dpi) {
    dpi_ = dpi;
    RECT frame{0, 0, TwipsToPixels(1845, dpi), TwipsToPixels(1815, dpi)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, UINT(dpi));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The pond's inner area is 1800 by 1785 twips (120 by 119 pixels at 96
    // DPI), inside a box 15 twips from the left.
    Picture1->Place(TwipsToPixels(15, dpi), 0, int(PondWidthTwips) / 15, int(PondHeightTwips) / 15, dpi);
    PaintShown(model_, *Picture1);
}

void FrmMovra::Form_Load() {
    std::string appDir = Utf8(runtime_.AppPath());
    if (appDir.empty() || appDir.back() != '\\') appDir += '\\';
    model_.AppDir = appDir;
    ResetModel(model_);
    BuildTables(model_);
    Timer1->Start();
}

void FrmMovra::Timer1_Timer() {
    TickUpdate(model_);
    DrawPass(model_, *Picture1);
    Picture1->Refresh();
    // From here every tick would change nothing until a press: sleep instead.
    if (AtRest(model_)) Timer1->Sleep();
}

void FrmMovra::Picture1_MouseDown(int button, float x, float y) {
    const bool menu = PressPond(model_, Int16(button), x, y);
    if (!AtRest(model_)) Timer1->Wake();
    // Before the menu: its own message loop runs the ticks that come after the press.
    for (FormFollower* follower : followers_) follower->Pressed(button, x, y);
    if (menu) {
        POINT at;
        GetCursorPos(&at);
        TrackPopupMenu(MnuFile, 0, at.x, at.y, 0, hwnd_, nullptr);
    }
}

void FrmMovra::MnuHelp_Click() { OpenHelp(hwnd_, Wide(model_.AppDir) + L"Movra.chm"); }

void FrmMovra::MnuVersion_Click() {
    // One box at a time; once closed it is gone, and the next one loads afresh.
    if (!version_ || !version_->Loaded()) version_ = std::make_unique<FrmVersion>(runtime_);
    version_->Show();
}

void FrmMovra::MnuEnd_Click() {
    Timer1->Stop();
    runtime_.End(0);
}

LRESULT FrmMovra::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != Timer1Id) break;
        Timer1->Ticked();
        runtime_.Run([this] { Timer1_Timer(); });
        // Not while a run-time error is being shown: the program is ending.
        if (!runtime_.Ended())
            for (FormFollower* follower : followers_) follower->Ticked();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case MnuHelpId: runtime_.Run([this] { MnuHelp_Click(); }); return 0;
        case MnuVersionId: runtime_.Run([this] { MnuVersion_Click(); }); return 0;
        case MnuEndId: runtime_.Run([this] { MnuEnd_Click(); }); return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another density: where Windows suggests, at
        // the new size.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        // The window is unloaded, and its timer with it; the program itself
        // ends once no other window of its own is left.
        Timer1->Stop();
        for (FormFollower* follower : std::exchange(followers_, {})) follower->Closing();
        runtime_.Closed(hwnd);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
