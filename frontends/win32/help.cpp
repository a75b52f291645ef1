#include "frontends/win32/help.h"

namespace movra::win32 {
namespace {

constexpr UINT HH_DISPLAY_TOPIC = 0;
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

}  // namespace

void OpenHelp(HWND owner, const std::wstring& path) {
    // Loaded when asked for and never freed: the viewer's windows live on
    // after the call. Loading it again only counts up.
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    if (!library) return;
    const auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
    if (htmlHelp) htmlHelp(owner, path.c_str(), HH_DISPLAY_TOPIC, 0);
}

}  // namespace movra::win32
