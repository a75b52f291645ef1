// Picture1: a bordered child window that keeps what was painted on it and reports presses in twips.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "core/render/image_surface.h"
#include "forms/controls.h"

namespace movra::win32 {

// Paints go into a persistent backing image; WM_PAINT only copies from it.
class PictureBox : public forms::PictureBox {
public:
    // button: 1 left, 2 right, 4 middle, summed over the buttons held, the
    // pressed one included. x, y: twips by the one press rule.
    using PressHandler = std::function<void(int button, float x, float y)>;

    PictureBox(HWND parent, PressHandler press);

    // Places the box at (left, top) pixels of its parent with an inner area
    // of width by height logical pixels at dpi, on a fresh, unpainted image.
    void Place(int left, int top, int width, int height, int dpi);

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void Refresh() override;

    HWND hwnd() const { return hwnd_; }

    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Copy(HDC dc, const RECT& area) const;

    PressHandler press_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    std::unique_ptr<ImageSurface> surface_;
};

}  // namespace movra::win32
