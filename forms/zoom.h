// The window's zoom: the whole design enlarged by a whole factor, and full
// screen at the largest factor that fits. Presses still go through the one
// press rule, with the factor as part of its density.
#pragma once

#include "core/model/press.h"

namespace movra::forms {

inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 8;

enum class ZoomStep { In, Out, Reset };

// The factor a zoom key asks for, from the current one: never past the limits.
constexpr int Zoomed(int current, ZoomStep step) {
    switch (step) {
    case ZoomStep::In: return current < MaxZoom ? current + 1 : MaxZoom;
    case ZoomStep::Out: return current > MinZoom ? current - 1 : MinZoom;
    case ZoomStep::Reset: return MinZoom;
    }
    return current;
}

constexpr bool ValidZoom(long factor) { return factor >= MinZoom && factor <= MaxZoom; }

// The largest whole factor at which the pond's inner area (what full screen
// shows) fits width by height device pixels; at least 1, so that a tiny
// screen still shows the pond.
constexpr int FittingFactor(int width, int height) {
    const int across = width / PondWidthPixels, down = height / PondHeightPixels;
    const int factor = across < down ? across : down;
    return factor > 1 ? factor : 1;
}

// Where the scaled inner area sits, centred, in a screen of width by height.
struct Placement {
    int left, top, factor;
};
constexpr Placement Centred(int width, int height) {
    const int factor = FittingFactor(width, height);
    return {(width - PondWidthPixels * factor) / 2, (height - PondHeightPixels * factor) / 2, factor};
}

}  // namespace movra::forms
