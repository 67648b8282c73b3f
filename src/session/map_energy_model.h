// SPDX-License-Identifier: MIT
#pragma once

#include "session/energyplus_model.h"
#include "session/performance_map.h"

namespace keld {

class PerformanceDatabase;

// The unit of `map` as an EnergyPlus chiller: the reference capacity and COP
// are the unit's own at 35 °C ambient and 7 °C leaving water with the rest of
// the duty, the temperature curves are fitted over the map's ok cooling
// points, the part-load curve over the unit's part-load table of the duty's
// standard. Raises EnergyModelError when the unit does not run at the rating
// point, has no part-load table or too few ok points; database failures as
// MapUnit.
EirChillerModel MapEnergyModel(PerformanceDatabase& db, const MapRequest& request, const PerformanceMap& map);

}  // namespace keld
