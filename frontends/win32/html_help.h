// The help viewer: the program's help document in the HTML Help viewer.
#pragma once

#include <windows.h>

#include <string>

#include "forms/controls.h"

namespace movra::win32 {

// The form asks for the design's help file, AppDir + "Movra.hlp"; what ships
// beside the program is its compiled HTML Help, Movra.chm, which this opens in
// its place. A missing file is the viewer's to report.
class HtmlHelp : public forms::HelpViewer {
public:
    explicit HtmlHelp(HWND owner) : owner_(owner) {}
    void OpenHelp(const std::string& path) override;

private:
    HWND owner_;
};

}  // namespace movra::win32
