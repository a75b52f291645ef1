#include "frontends/win32/picture_box.h"

#include <windowsx.h>

#include "core/model/press.h"
#include "forms/zoom.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

// A COLORREF (0x00BBGGRR) as the image takes it, 0xRRGGBB.
unsigned ToRgb(COLORREF colour) {
    return unsigned(GetRValue(colour)) << 16 | unsigned(GetGValue(colour)) << 8 | GetBValue(colour);
}

int ButtonCode(WPARAM keys) {
    return (keys & MK_LBUTTON ? LeftButton : 0) + (keys & MK_RBUTTON ? RightButton : 0) +
           (keys & MK_MBUTTON ? MiddleButton : 0);
}

}  // namespace

PictureBox::PictureBox(HWND parent, const std::wstring& name, PressHandler press, KeyHandler key)
    : press_(std::move(press)), key_(std::move(key)) {
    RegisterWindowClass(L"MovraPictureBox", Route<PictureBox>, nullptr, nullptr);
    // The window's text is the name that accessibility gives a window of its own class.
    hwnd_ = CreateWindowExW(0, L"MovraPictureBox", name.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), this);
}

void PictureBox::Place(int left, int top, double density, int border) {
    density_ = density;
    border_ = border;
    // Cells are painted at the device's own size rather than enlarged
    // afterwards, so they stay crisp at every DPI and zoom.
    surface_ = std::make_unique<ImageSurface>(PondWidthPixels, PondHeightPixels, density,
                                              ToRgb(GetSysColor(COLOR_BTNFACE)));
    SetWindowPos(hwnd_, nullptr, left, top, surface_->width() + 2 * border, surface_->height() + 2 * border,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureBox::PlaceCentred(int width, int height) {
    const forms::Placement at = forms::Centred(width, height);
    Place(at.left, at.top, at.factor, 0);
}

POINT PictureBox::ScreenPoint(float x, float y) const {
    POINT at{int(x * density_ / TwipsPerPixel), int(y * density_ / TwipsPerPixel)};
    ClientToScreen(hwnd_, &at);
    return at;
}

void PictureBox::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    surface_->FillBox(x1, y1, x2, y2, colour);
}

void PictureBox::Refresh() {
    const ImageSurface::Rect painted = surface_->TakePainted();
    if (painted.empty()) return;
    // Copied at once rather than invalidated for a later WM_PAINT: a tick
    // then reaches the screen in its own handling.
    HDC dc = GetDC(hwnd_);
    Copy(dc, RECT{painted.left, painted.top, painted.right, painted.bottom});
    ReleaseDC(hwnd_, dc);
}

void PictureBox::PaintBorder() const {
    // The system's thin border, a pixel of the window frame's colour, as
    // many pixels wide as the pond is enlarged.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    HDC dc = GetWindowDC(hwnd_);
    ExcludeClipRect(dc, border_, border_, outer.right - border_, outer.bottom - border_);
    FillRect(dc, &outer, GetSysColorBrush(COLOR_WINDOWFRAME));
    ReleaseDC(hwnd_, dc);
}

void PictureBox::Copy(HDC dc, const RECT& area) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface_->width();
    info.bmiHeader.biHeight = -surface_->height();  // top row first, as the image keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // The whole image goes at its place, clipped to the area: a source
    // origin inside a top-down image is counted from its bottom row by some
    // implementations and from its top by others.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SetDIBitsToDevice(dc, 0, 0, DWORD(surface_->width()), DWORD(surface_->height()), 0, 0, 0,
                      UINT(surface_->height()), surface_->pixels(), &info, DIB_RGB_COLORS);
    RestoreDC(dc, saved);
}

LRESULT PictureBox::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (surface_) Copy(dc, RECT{0, 0, surface_->width(), surface_->height()});
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // every paint covers the whole inner area
    case WM_NCCALCSIZE: {
        // The client area is the inner area, inside the border.
        RECT& area = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
        InflateRect(&area, -border_, -border_);
        return 0;
    }
    case WM_NCPAINT:
        PaintBorder();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(hwnd);
        if (const auto at = PressPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), density_))
            press_(ButtonCode(wParam), at->x, at->y);
        return 0;
    case WM_KEYDOWN:
        if (key_(UINT(wParam))) return 0;
        break;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
