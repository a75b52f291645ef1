// Design-time sizes are in twips; Windows takes pixels at the window's DPI.
#pragma once

#include <windows.h>

namespace movra::win32 {

inline constexpr int BaseDpi = 96;  // 15 twips to a pixel

// Rounded to the nearest pixel, halves away from zero.
inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// left, top, width, height in twips; the rectangle in pixels.
inline RECT TwipsRect(int left, int top, int width, int height, int dpi) {
    return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(left + width, dpi),
            TwipsToPixels(top + height, dpi)};
}

// A font size in points as the height CreateFontW takes: negative, in pixels,
// for the character itself rather than its cell.
inline int FontHeight(double points, int dpi) { return -int(points * dpi / 72 + 0.5); }

}  // namespace movra::win32
