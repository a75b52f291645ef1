#include "frontends/win32/fonts.h"

#include <initializer_list>

#include "frontends/win32/dpi.h"
#include "frontends/win32/text.h"
#include "resources/texts.h"

namespace movra::win32 {
namespace {

int CALLBACK Found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, Found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The first installed face of the list, or an empty name.
std::wstring FirstInstalled(std::initializer_list<std::wstring> faces) {
    for (const std::wstring& face : faces)
        if (Installed(face)) return face;
    return {};
}

std::wstring GothicFace() {
    // Yu Gothic UI is part of every Windows from 10 on, whatever its language.
    const std::wstring design = Wide(texts::Gothic);
    const std::wstring face =
        FirstInstalled({design, L"MS PGothic", L"Yu Gothic UI", L"Yu Gothic", L"Meiryo UI", L"Meiryo", L"MS Gothic"});
    return face.empty() ? design : face;
}

std::wstring MinchoFace() {
    const std::wstring face = FirstInstalled({Wide(texts::Mincho), L"MS PMincho", L"Yu Mincho", L"MS Mincho"});
    return face.empty() ? GothicFace() : face;
}

std::wstring InstalledFace(const std::string& face) {
    if (face == texts::Mincho) return MinchoFace();
    if (face == texts::Gothic) return GothicFace();
    return Wide(face);
}

}  // namespace

HFONT NewFont(const forms::Font& font, int dpi) {
    return CreateFontW(FontHeight(font.points, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, InstalledFace(font.face).c_str());
}

int LineHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return int(metrics.tmHeight);
}

HFONT FitWidth(HFONT font, const std::wstring& text, int width) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    if (extent.cx <= width) return font;
    LOGFONTW smaller{};
    GetObjectW(font, sizeof smaller, &smaller);
    // Rounded towards zero: a pixel less rather than one too many.
    smaller.lfHeight = smaller.lfHeight * width / extent.cx;
    DeleteObject(font);
    return CreateFontIndirectW(&smaller);
}

}  // namespace movra::win32
