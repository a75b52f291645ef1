// The start-up build of the wave and distance tables that hold all the ripple's physics.
#pragma once

#include "core/model/model.h"

namespace movra {

// Writes all of WaveTable and DistanceTable (and the rings derived from them).
void BuildTables(Model& model);

// Derives RingTable from WaveTable and DistanceTable (the last step of BuildTables).
void BuildRings(Model& model);

}  // namespace movra
