#include "frontends/win32/zoom_setting.h"

#include <windows.h>

#include "forms/zoom.h"

namespace movra::win32 {
namespace {

constexpr wchar_t Key[] = L"Software\\Movra";
constexpr wchar_t Value[] = L"Zoom";

}  // namespace

int StoredZoom() {
    DWORD factor = 0, size = sizeof factor;
    if (RegGetValueW(HKEY_CURRENT_USER, Key, Value, RRF_RT_REG_DWORD, nullptr, &factor, &size) != ERROR_SUCCESS)
        return forms::MinZoom;
    return forms::ValidZoom(long(factor)) ? int(factor) : forms::MinZoom;
}

void StoreZoom(int factor) {
    // Not kept is no reason to stop the program: the next start is at 1x.
    const DWORD value = DWORD(factor);
    RegSetKeyValueW(HKEY_CURRENT_USER, Key, Value, REG_DWORD, &value, sizeof value);
}

}  // namespace movra::win32
