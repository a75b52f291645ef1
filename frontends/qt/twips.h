// Design-time positions and sizes are in twips; widgets take logical pixels.
#pragma once

#include <QRect>

#include "core/render/image_surface.h"

namespace movra {

// Rounds to the nearest pixel, as the design's sizes are not all whole pixels.
constexpr int TwipsToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace movra
