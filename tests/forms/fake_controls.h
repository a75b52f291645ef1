// A toolkit of fakes for the shared form: each control writes what it is asked
// into one log, and the clock is the test's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/controls.h"

namespace movra::forms {

struct FakeControls : PictureBox, TimerDevice, PopupMenu, HelpViewer, AboutBox, Runtime {
    void FillBox(float, float, float, float, Colour) override { ++boxes; }
    void Refresh() override {}
    void Set(int intervalMs) override { log.push_back("timer " + std::to_string(intervalMs)); }
    void Kill() override { log.push_back("timer off"); }
    void Popup(float x, float y, bool byKeyboard) override {
        log.push_back(std::string(byKeyboard ? "key " : "") + "popup " + std::to_string(int(x)) + " " + std::to_string(int(y)));
    }
    void OpenHelp(const std::string& path) override { log.push_back("help " + path); }
    void ShowVersion() override { log.push_back("version"); }
    std::int64_t NowMs() override { return now; }
    std::string AppPath() override { return appPath; }
    char PathSeparator() override { return separator; }
    void ReportError(const RuntimeError& error) override { log.push_back("error " + std::to_string(error.number())); }
    void End(int status) override { log.push_back("end " + std::to_string(status)); }

    Controls controls() { return {*this, *this, *this, *this, *this, *this}; }
    // The log since the last call.
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    std::vector<std::string> log;
    int boxes = 0;
    std::int64_t now = 0;  // milliseconds
    std::string appPath = "/usr/lib/movra";
    char separator = '/';
};

}  // namespace movra::forms
