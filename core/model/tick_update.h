// One animation tick: every active source adds its wave to every cell, then ages.
#pragma once

#include "core/model/model.h"

namespace movra {

void TickUpdate(Model& model);

// True when a tick and the drawing pass after it would change nothing: no
// source is active and every drawn cell shows its level. Cells outside the
// drawn area are never painted and, without a source, never touched, so they
// do not count. The pond stays at rest until the next press.
bool AtRest(const Model& model);

}  // namespace movra
