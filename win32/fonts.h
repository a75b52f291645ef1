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

}  // namespace movra::win32
