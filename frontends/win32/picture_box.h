// Picture1: a bordered child window that keeps what was painted on it and reports presses in twips and keys.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/render/image_surface.h"
#include "forms/controls.h"

namespace movra::win32 {

// Paints go into a persistent backing image; WM_PAINT only copies from it.
class PictureBox : public forms::PictureBox {
public:
    // button: 1 left, 2 right, 4 middle, summed over the buttons held, the
    // pressed one included. x, y: twips by the one press rule.
    using PressHandler = std::function<void(int button, float x, float y)>;
    // A key pressed (a virtual-key code); true when it was the pond's.
    using KeyHandler = std::function<bool(UINT key)>;

    // name: what a screen reader calls the box.
    PictureBox(HWND parent, const std::wstring& name, PressHandler press, KeyHandler key);

    // Places the box at (left, top) pixels of its parent, its inner area the
    // pond's, at density device pixels to a logical pixel, in a border
    // border pixels wide, on a fresh, unpainted image.
    void Place(int left, int top, double density, int border);
    // The inner area alone, as large as it goes whole, centred in width by
    // height pixels of its parent.
    void PlaceCentred(int width, int height);

    // The screen's pixel at (x, y) twips on the inner area.
    POINT ScreenPoint(float x, float y) const;

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void Refresh() override;

    HWND hwnd() const { return hwnd_; }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Copy(HDC dc, const RECT& area) const;
    void PaintBorder() const;

    PressHandler press_;
    KeyHandler key_;
    HWND hwnd_ = nullptr;
    double density_ = 1;
    int border_ = 1;
    std::unique_ptr<ImageSurface> surface_;
};

}  // namespace movra::win32
