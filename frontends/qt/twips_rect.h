// Designed positions and sizes are in twips; Qt's widgets take logical pixels.
#pragma once

#include <QRect>

#include "core/render/image_surface.h"
#include "forms/frm_version.h"

namespace movra::qt {

// Rounds to the nearest pixel, as the design's sizes are not all whole pixels.
constexpr int TwipsToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

inline QRect TwipsRect(const forms::TwipsRect& at) {
    return QRect(TwipsToPixels(at.left), TwipsToPixels(at.top), TwipsToPixels(at.width), TwipsToPixels(at.height));
}

}  // namespace movra::qt
