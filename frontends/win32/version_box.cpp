#include "frontends/win32/version_box.h"

#include <algorithm>
#include <utility>

#include "forms/frm_version.h"
#include "frontends/win32/dpi.h"
#include "frontends/win32/fonts.h"
#include "frontends/win32/resources.h"
#include "frontends/win32/text.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

const forms::FrmVersionDesign& Design = forms::FrmVersion;

// A fixed dialog border with a close box and no icon.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;
constexpr int Command1Id = 100;  // neither IDOK nor IDCANCEL: Esc finds no button

RECT Pixels(const forms::TwipsRect& at, int dpi) { return TwipsRect(at.left, at.top, at.width, at.height, dpi); }

}  // namespace

VersionBox::~VersionBox() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void VersionBox::ShowVersion() {
    if (!hwnd_) Load();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SetFocus(Command1);
}

void VersionBox::Load() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(L"MovraFrmVersion", Route<VersionBox>, nullptr, nullptr);
    background_ = CreateSolidBrush(Design.background);
    hwnd_ = CreateWindowExW(ExStyle, L"MovraFrmVersion", Wide(Design.caption).c_str(), Style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, runtime_.Owner(), nullptr, instance, this);
    runtime_.Opened(hwnd_);
    dpi_ = int(GetDpiForWindow(hwnd_));
    RECT frame{0, 0, TwipsToPixels(Design.width, dpi_), TwipsToPixels(Design.height, dpi_)};
    AdjustWindowRectExForDpi(&frame, Style, FALSE, ExStyle, UINT(dpi_));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // One line each, as the design sets them: a text a little too wide for
    // its frame is cut at the right rather than wrapped out of sight.
    constexpr DWORD LabelStyle = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    for (const forms::DesignedControl* label :
         {&Design.Label1, &Design.Label2, &Design.Label3, &Design.Label4, &Design.Label5})
        NewControl(L"STATIC", *label, LabelStyle);
    Command1 = NewControl(L"BUTTON", Design.Command1, BS_PUSHBUTTON | WS_TABSTOP, Command1Id);
    logo_ = HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(LogoId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HWND VersionBox::NewControl(const wchar_t* windowClass, const forms::DesignedControl& control, DWORD style, int id) {
    const std::wstring text = Wide(control.text);
    RECT at = Pixels(control.at, dpi_);
    HFONT font = NewFont(*control.font.face ? control.font : Design.font, dpi_);
    if (&control == &Design.Label1) font = FitWidth(font, text, at.right - at.left);  // the title fits its frame
    fonts_.push_back(font);
    // Labels' frames shorter than a line of their font (the contact lines')
    // grow downwards, into the gap below.
    const bool label = id == 0;
    if (label) at.bottom = std::max(at.bottom, at.top + LineHeight(font));
    HWND window = CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, hwnd_, reinterpret_cast<HMENU>(INT_PTR(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(control.colour));  // for WM_CTLCOLORSTATIC
    return window;
}

void VersionBox::Paint(HDC dc) const {
    // Image1: the logo stretched into its frame, inside a thin single border.
    const RECT image = Pixels(Design.Image1.at, dpi_);
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
    // Line1: a rule so many pixels wide across from its left, top.
    RECT line = Pixels(Design.Line1.at, dpi_);
    line.bottom = line.top + Design.Line1WidthPixels;
    FillRect(dc, &line, HBRUSH(GetStockObject(BLACK_BRUSH)));
}

void VersionBox::Unloaded() {
    runtime_.Closed(hwnd_);
    for (HFONT font : std::exchange(fonts_, {})) DeleteObject(font);
    DeleteObject(logo_);
    DeleteObject(background_);
    hwnd_ = Command1 = nullptr;
}

LRESULT VersionBox::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
        SetTextColor(HDC(wParam), COLORREF(GetWindowLongPtrW(HWND(lParam), GWLP_USERDATA)));
        SetBkColor(HDC(wParam), Design.background);
        return reinterpret_cast<LRESULT>(background_);
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(background_);
    case WM_ACTIVATE:
        // Back to the front, the button has the focus again.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(Command1);
        return 0;
    case WM_COMMAND:
        // Command1_Click unloads the box. Enter on the focused button comes
        // as IDOK, as the box has no default button; Esc comes as IDCANCEL
        // and does nothing.
        if (LOWORD(wParam) == Command1Id || LOWORD(wParam) == IDOK) DestroyWindow(hwnd);
        return 0;
    case WM_NCDESTROY:
        Unloaded();
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
