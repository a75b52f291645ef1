// The zoom the user last chose, kept for the next start in the registry
// (HKEY_CURRENT_USER\Software\Movra, the DWORD "Zoom"): the program's one setting.
#pragma once

namespace movra::win32 {

// 1 when nothing was stored, or what is there is no valid factor.
int StoredZoom();
void StoreZoom(int factor);

}  // namespace movra::win32
