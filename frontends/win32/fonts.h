// The about box's fonts: the faces the design names, or the nearest installed ones.
#pragma once

#include <windows.h>

#include <string>

#include "forms/frm_version.h"

namespace movra::win32 {

// A Japanese-character-set font as the design gives it, at dpi. For
// "ＭＳ Ｐ明朝": that face where installed (Japanese Windows), else the first
// installed of the other Mincho faces Windows ships, else the Gothic face; for
// "ＭＳ Ｐゴシック": that face where installed, else the nearest Gothic face
// installed. A Japanese face in any case, rather than the system's default.
HFONT NewFont(const forms::Font& font, int dpi);

// The height of a line of text in the font, in pixels.
int LineHeight(HFONT font);

// The font, made smaller where the text would be wider than width pixels in
// it: a face with wider letters than the design's still fits its frame.
HFONT FitWidth(HFONT font, const std::wstring& text, int width);

}  // namespace movra::win32
