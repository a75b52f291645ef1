#include "frontends/win32/frm_version.h"

#include <algorithm>

#include "resources/credits.h"
#include "frontends/win32/fonts.h"
#include "frontends/win32/resources.h"
#include "frontends/win32/text.h"
#include "frontends/win32/twips.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

// A fixed dialog border with a close box and no icon.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;
constexpr COLORREF Grey = 0xc0c0c0;
constexpr COLORREF Title = 0xff8080;  // &H00FF8080: RGB(128, 128, 255)
constexpr int Command1Id = 100;       // neither IDOK nor IDCANCEL: Esc finds no button

enum Font { WindowFont, Label1Font, Label2Font, Label45Font, Command1Font };

HWND NewControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, const RECT& at,
                HFONT font, int id = 0) {
    HWND control = CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                   at.right - at.left, at.bottom - at.top, parent,
                                   reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// One line each, as the design sets them: a text a little too wide for its
// frame is cut at the right rather than wrapped out of sight. Frames shorter
// than a line of their font (the contact lines') grow downwards, into the
// gap below.
HWND NewLabel(HWND parent, const std::wstring& text, RECT at, HFONT font) {
    at.bottom = std::max(at.bottom, at.top + LineHeight(font));
    return NewControl(parent, L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, at, font);
}

}  // namespace

FrmVersion::FrmVersion(Runtime& runtime) : runtime_(runtime), background_(CreateSolidBrush(Grey)) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(L"MovraFrmVersion", Route<FrmVersion>, nullptr, nullptr);
    hwnd_ = CreateWindowExW(ExStyle, L"MovraFrmVersion", L"MovraVer0.61のﾊﾞｰｼﾞｮﾝ情報", Style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, runtime_.Owner(), nullptr, instance, this);
    runtime_.Opened(hwnd_);
    dpi_ = int(GetDpiForWindow(hwnd_));
    RECT frame{0, 0, TwipsToPixels(4965, dpi_), TwipsToPixels(3105, dpi_)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, ExStyle, UINT(dpi_));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const std::wstring mincho = MinchoFace(), gothic = GothicFace();
    fonts_[WindowFont] = NewFont(mincho, 9.75, false, dpi_);
    const RECT title = TwipsRect(1440, 330, 3165, 615, dpi_);
    fonts_[Label1Font] = FitWidth(NewFont(mincho, 26.25, true, dpi_), L"MovraVer0.61", title.right - title.left);
    fonts_[Label2Font] = NewFont(gothic, 12, true, dpi_);
    fonts_[Label45Font] = NewFont(mincho, 9, false, dpi_);
    fonts_[Command1Font] = NewFont(gothic, 9, false, dpi_);

    Label1 = NewLabel(hwnd_, L"MovraVer0.61", title, fonts_[Label1Font]);
    Label2 = NewLabel(hwnd_, L"企画・製造：" + Wide(Maker) + L"　　設計：" + Wide(Designer),
                      TwipsRect(180, 1230, 4275, 285, dpi_), fonts_[Label2Font]);
    Label3 = NewLabel(hwnd_, L"質問等は以下のメールアドレスまたは掲示板まで。", TwipsRect(180, 1680, 4155, 225, dpi_),
                      fonts_[WindowFont]);
    Label4 = NewLabel(hwnd_, L"[メール]　 " + Wide(ContactEmail), TwipsRect(180, 1980, 4605, 165, dpi_),
                      fonts_[Label45Font]);
    Label5 = NewLabel(hwnd_, L"[掲示板]　" + Wide(ContactBoard), TwipsRect(180, 2190, 4605, 195, dpi_),
                      fonts_[Label45Font]);
    Command1 = NewControl(hwnd_, L"BUTTON", L"ＯＫ", BS_PUSHBUTTON | WS_TABSTOP,
                          TwipsRect(3360, 2670, 1365, 345, dpi_), fonts_[Command1Font], Command1Id);
    logo_ = HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(LogoId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

FrmVersion::~FrmVersion() {
    if (hwnd_) DestroyWindow(hwnd_);
    for (HFONT font : fonts_) DeleteObject(font);
    DeleteObject(logo_);
    DeleteObject(background_);
}

void FrmVersion::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SetFocus(Command1);
}

bool FrmVersion::TakesDialogKey(MSG& message) { return hwnd_ && ::IsDialogMessageW(hwnd_, &message); }

void FrmVersion::Command1_Click() { DestroyWindow(hwnd_); }

void FrmVersion::Paint(HDC dc) const {
    // Image1: the logo stretched into its frame, inside a thin single border.
    const RECT image = TwipsRect(150, 120, 1000, 1000, dpi_);
    FrameRect(dc, &image, HBRUSH(GetStockObject(BLACK_BRUSH)));
    BITMAP size;
    GetObjectW(logo_, sizeof size, &size);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, logo_);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, image.left + 1, image.top + 1, image.right - image.left - 2, image.bottom - image.top - 2, source,
               0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    // Line1: two pixels wide, across from (150, 2550) to (4860, 2550) twips.
    const int y = TwipsToPixels(2550, dpi_);
    const RECT line{TwipsToPixels(150, dpi_), y, TwipsToPixels(4860, dpi_), y + 2};
    FillRect(dc, &line, HBRUSH(GetStockObject(BLACK_BRUSH)));
}

LRESULT FrmVersion::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(HDC(wParam), &client, background_);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        Paint(BeginPaint(hwnd, &paint));
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        SetTextColor(HDC(wParam), HWND(lParam) == Label1 ? Title : 0);
        SetBkColor(HDC(wParam), Grey);
        return reinterpret_cast<LRESULT>(background_);
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(background_);
    case WM_ACTIVATE:
        // Back to the front, the button has the focus again.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(Command1);
        return 0;
    case WM_COMMAND:
        // Enter on the focused button comes as IDOK, as the box has no
        // default button; Esc comes as IDCANCEL and does nothing.
        if (LOWORD(wParam) == Command1Id || LOWORD(wParam) == IDOK) runtime_.Run([this] { Command1_Click(); });
        return 0;
    case WM_DESTROY:
        runtime_.Closed(hwnd);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
