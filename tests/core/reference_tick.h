// The tick written as the plain per-cell loop, kept as the reference that the
// fast tick is checked and measured against.
#pragma once

#include "core/model/model.h"

namespace movra::testing {

void TickReference(Model& model);

}  // namespace movra::testing
