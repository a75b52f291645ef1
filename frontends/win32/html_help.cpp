#include "frontends/win32/html_help.h"

#include "frontends/win32/text.h"

namespace movra::win32 {
namespace {

constexpr UINT HH_DISPLAY_TOPIC = 0;
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// "...\Movra.hlp" is "...\Movra.chm": the same name, the compiled help's extension.
std::wstring CompiledHelp(const std::string& path) {
    std::wstring chm = Wide(path);
    const std::size_t dot = chm.find_last_of(L'.');
    if (dot != std::wstring::npos && chm.find_first_of(L"\\/", dot) == std::wstring::npos) chm.resize(dot);
    return chm + L".chm";
}

}  // namespace

void HtmlHelp::OpenHelp(const std::string& path) {
    // Loaded when asked for and never freed: the viewer's windows live on
    // after the call. Loading it again only counts up.
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    if (!library) return;
    const auto htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
    if (htmlHelp) htmlHelp(owner_, CompiledHelp(path).c_str(), HH_DISPLAY_TOPIC, 0);
}

}  // namespace movra::win32
