// After each tick: paint the drawn cells whose level changed, in vertical runs.
#pragma once

#include "core/model/model.h"
#include "core/render/surface.h"

namespace movra {

void DrawPass(Model& model, Surface& surface);

}  // namespace movra
