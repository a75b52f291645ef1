// The help command: the program's help document in the HTML Help viewer.
#pragma once

#include <windows.h>

#include <string>

namespace movra::win32 {

// Opens the compiled help file at path; a missing file is the viewer's to report.
void OpenHelp(HWND owner, const std::wstring& path);

}  // namespace movra::win32
