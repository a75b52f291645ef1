// Movra as a Windows screen saver (movra.scr): rain on the pond, full screen
// (/s), in the settings' preview (/p HWND), and no settings to make (/c).
#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "frontends/win32/console.h"
#include "frontends/win32/saver_window.h"
#include "frontends/win32/text.h"
#include "frontends/win32/win32_runtime.h"
#include "resources/texts.h"

namespace {

// What Windows asks for: "/s", "/p 1234" or "/p:1234", "/c" or "/c:1234";
// nothing at all means the settings, as a double click on the file asks.
struct Mode {
    char letter;
    HWND window;
};

Mode ReadMode() {
    const std::vector<std::string> words = movra::win32::CommandLineWords();
    Mode mode{'c', nullptr};
    if (words.empty() || words[0].size() < 2 || (words[0][0] != '/' && words[0][0] != '-')) return mode;
    mode.letter = char(std::tolower(static_cast<unsigned char>(words[0][1])));
    const std::string number = words[0].size() > 2 && words[0][2] == ':' ? words[0].substr(3)
                               : words.size() > 1                        ? words[1]
                                                                         : "";
    mode.window = reinterpret_cast<HWND>(std::strtoull(number.c_str(), nullptr, 10));
    return mode;
}

int Run(movra::win32::Win32Runtime& runtime, HWND preview) {
    movra::win32::SaverWindow window(runtime, preview);
    window.Start();
    std::optional<POINT> first;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!preview && movra::win32::EndsSaver(message, first)) runtime.End(EXIT_SUCCESS);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const Mode mode = ReadMode();
    movra::win32::Win32Runtime runtime;
    switch (mode.letter) {
    case 's': return Run(runtime, nullptr);
    case 'p': return IsWindow(mode.window) ? Run(runtime, mode.window) : EXIT_FAILURE;
    }
    MessageBoxW(mode.window, movra::win32::Wide(movra::texts::SaverNoSettings).c_str(),
                movra::win32::Wide(movra::texts::Caption).c_str(), MB_OK | MB_ICONINFORMATION);
    return EXIT_SUCCESS;
}
