// The forms controls of the browser, each a call to a function the page
// handed the module: the pond's canvas, the timer, the menu and the panels.
#pragma once

#include "forms/controls.h"

namespace movra::web {

// Picture1 on the canvas, whose rectangles are whole device pixels.
class CanvasBox : public forms::PictureBox {
public:
    // density: device pixels per logical pixel of the pond.
    explicit CanvasBox(double density) : density_(density) {}
    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    // The canvas shows each rectangle as it is filled.
    void Refresh() override {}

    // Paints the whole canvas in the control colour, as where no cell is painted.
    void Clear();
    // The canvas was sized afresh, for this many device pixels per logical pixel.
    void Resize(double density) { density_ = density; }
    double density() const { return density_; }

private:
    int ToDevice(float twips) const;

    double density_;
};

// One of the page's intervals, whose every beat comes back as movra_timer(id).
class PageTimer : public forms::TimerDevice {
public:
    explicit PageTimer(int id) : id_(id) {}
    void Set(int intervalMs) override;
    void Kill() override;

private:
    int id_;
};

// The popup menu, the help and about panels, and the page's end.
class PageControls : public forms::PopupMenu, public forms::HelpViewer, public forms::AboutBox, public forms::Runtime {
public:
    void Popup(float x, float y, bool byKeyboard) override;
    void OpenHelp(const std::string& path) override;
    void ShowVersion() override;
    std::int64_t NowMs() override;
    // The help document is the site's own: no folder of the page's holds it.
    std::string AppPath() override { return ""; }
    char PathSeparator() override { return '/'; }
    void ReportError(const RuntimeError& error) override;
    void End(int status) override;

private:
    bool versionPlaced_ = false;
};

}  // namespace movra::web
