#include "frontends/win32/fonts.h"

#include <initializer_list>

#include "frontends/win32/twips.h"

namespace movra::win32 {
namespace {

int CALLBACK Found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, Found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The first installed face of the list, or an empty name.
std::wstring FirstInstalled(std::initializer_list<const wchar_t*> faces) {
    for (const wchar_t* face : faces)
        if (Installed(face)) return face;
    return {};
}

}  // namespace

std::wstring GothicFace() {
    // Yu Gothic UI is part of every Windows from 10 on, whatever its language.
    const std::wstring face = FirstInstalled({L"ＭＳ Ｐゴシック", L"MS PGothic", L"Yu Gothic UI", L"Yu Gothic",
                                              L"Meiryo UI", L"Meiryo", L"MS Gothic"});
    return face.empty() ? L"ＭＳ Ｐゴシック" : face;
}

std::wstring MinchoFace() {
    const std::wstring face = FirstInstalled({L"ＭＳ Ｐ明朝", L"MS PMincho", L"Yu Mincho", L"MS Mincho"});
    return face.empty() ? GothicFace() : face;
}

HFONT NewFont(const std::wstring& face, double points, bool bold, int dpi) {
    return CreateFontW(FontHeight(points, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
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
