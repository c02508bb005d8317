#pragma once
// The astronomical services in one include, for callers that use several of
// them: the Earth and the Sun's apparent longitude, the Moon's longitude,
// delta T, and the phase and solar-term moments. A caller that needs one
// subject includes its own header.
#include "services/delta_t.h"
#include "services/earth_frames.h"
#include "services/moment_solvers.h"
#include "services/moon_series.h"
