#include "frontends/win32/picture_box.h"

#include <windowsx.h>

#include "core/model/press.h"
#include "frontends/win32/dpi.h"
#include "frontends/win32/window_class.h"

namespace movra::win32 {
namespace {

// The system's thin border: one pixel at every DPI.
constexpr int BorderWidth = 1;

// A COLORREF (0x00BBGGRR) as the image takes it, 0xRRGGBB.
unsigned ToRgb(COLORREF colour) {
    return unsigned(GetRValue(colour)) << 16 | unsigned(GetGValue(colour)) << 8 | GetBValue(colour);
}

int ButtonCode(WPARAM keys) {
    return (keys & MK_LBUTTON ? LeftButton : 0) + (keys & MK_RBUTTON ? RightButton : 0) +
           (keys & MK_MBUTTON ? MiddleButton : 0);
}

}  // namespace

PictureBox::PictureBox(HWND parent, PressHandler press) : press_(std::move(press)) {
    RegisterWindowClass(L"MovraPictureBox", Route<PictureBox>, nullptr, nullptr);
    hwnd_ = CreateWindowExW(0, L"MovraPictureBox", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), this);
}

void PictureBox::Place(int left, int top, int width, int height, int dpi) {
    dpi_ = dpi;
    // Cells are painted at the device's own size rather than enlarged
    // afterwards, so they stay crisp at every DPI.
    surface_ = std::make_unique<ImageSurface>(width, height, double(dpi) / BaseDpi,
                                              ToRgb(GetSysColor(COLOR_BTNFACE)));
    MoveWindow(hwnd_, left, top, surface_->width() + 2 * BorderWidth, surface_->height() + 2 * BorderWidth, TRUE);
    InvalidateRect(hwnd_, nullptr, FALSE);
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
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(hwnd);
        if (const auto at = PressPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), double(dpi_) / BaseDpi))
            press_(ButtonCode(wParam), at->x, at->y);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace movra::win32
