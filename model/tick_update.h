// One animation tick: every active source adds its wave to every cell, then ages.
#pragma once

#include "model.h"

namespace movra {

void TickUpdate(Model& model);

}  // namespace movra
