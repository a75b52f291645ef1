// A surface that keeps the boxes painted on it, in order.
#pragma once

#include <vector>

#include "core/render/surface.h"

namespace movra {

struct Box {
    float x1, y1, x2, y2;  // twips
    Colour colour;
    bool operator==(const Box&) const = default;
};

class RecordingSurface : public Surface {
public:
    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override {
        boxes.push_back({x1, y1, x2, y2, colour});
    }
    std::vector<Box> boxes;
};

}  // namespace movra
