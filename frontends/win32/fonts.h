// The about box's two faces, by the names the design gives, or the nearest installed ones.
#pragma once

#include <windows.h>

#include <string>

namespace movra::win32 {

// "ＭＳ Ｐ明朝" where installed (Japanese Windows), else the first installed
// of the other Mincho faces Windows ships, else the Gothic face: a Japanese
// face in any case, rather than the system's default.
std::wstring MinchoFace();
// "ＭＳ Ｐゴシック" where installed, else the nearest Gothic face installed.
std::wstring GothicFace();

// A Japanese-character-set font of the face, points high at dpi.
HFONT NewFont(const std::wstring& face, double points, bool bold, int dpi);

// The height of a line of text in the font, in pixels.
int LineHeight(HFONT font);

// The font, made smaller where the text would be wider than width pixels in
// it: a face with wider letters than the design's still fits its frame.
HFONT FitWidth(HFONT font, const std::wstring& text, int width);

}  // namespace movra::win32
