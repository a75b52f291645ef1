#include "forms/pond_cursor.h"

#include <algorithm>

#include "core/render/rgb.h"

namespace movra::forms {
namespace {

constexpr int FastStep = 5;
constexpr float PixelTwips = 15;  // the marker's width: one logical pixel
// Yellow stands out on every level's blue, from black to the brightest.
constexpr Colour MarkerColour = RGB(255, 255, 0);

}  // namespace

void PondCursor::Move(PondKey key, bool fast) {
    const int step = fast ? FastStep : 1;
    switch (key) {
    case PondKey::Left: column_ -= step; break;
    case PondKey::Right: column_ += step; break;
    case PondKey::Up: row_ -= step; break;
    case PondKey::Down: row_ += step; break;
    case PondKey::Home: column_ = 1; break;
    case PondKey::End: column_ = DrawnSize; break;
    case PondKey::PageUp: row_ = 1; break;
    case PondKey::PageDown: row_ = DrawnSize; break;
    case PondKey::Drop:
    case PondKey::Menu: break;
    }
    column_ = std::clamp(column_, 1, DrawnSize);
    row_ = std::clamp(row_, 1, DrawnSize);
    shown_ = true;
}

TwipsPoint PondCursor::PressAt() const {
    return {float((column_ - 1) * CellTwips + CellTwips / 4), float((row_ - 1) * CellTwips + CellTwips / 4)};
}

void PondCursor::Draw(PictureBox& picture) const {
    const float left = float((column_ - 1) * CellTwips), top = float((row_ - 1) * CellTwips);
    const float right = left + CellTwips, bottom = top + CellTwips;
    picture.FillBox(left, top, right, top + PixelTwips, MarkerColour);
    picture.FillBox(left, bottom - PixelTwips, right, bottom, MarkerColour);
    picture.FillBox(left, top + PixelTwips, left + PixelTwips, bottom - PixelTwips, MarkerColour);
    picture.FillBox(right - PixelTwips, top + PixelTwips, right, bottom - PixelTwips, MarkerColour);
}

void PondCursor::Erase(const Model& model, PictureBox& picture) const {
    // A cell not yet shown is painted by the first tick anyway.
    const Int16 shown = model.ShownGrid(column_, row_);
    if (shown == 0) return;
    picture.FillBox(float((column_ - 1) * CellTwips), float((row_ - 1) * CellTwips), float(column_ * CellTwips),
                    float(row_ * CellTwips), RGB(0, 0, shown));
}

}  // namespace movra::forms
