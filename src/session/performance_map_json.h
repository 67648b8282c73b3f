// SPDX-License-Identifier: MIT
#pragma once

#include "session/performance_map.h"
#include "session/selection_json.h"

namespace keld {

// The map as JSON: "model", "series", the duty's "conditions", and the
// "cooling" (and for a heat pump "heating") points, each with its ambient,
// leaving water, status, reason (null when ok), efficiency (EER or COP) and
// the engine's "figures" as select gives them for a listed row (null where
// the point stopped before any figure).
Json MapJson(const PerformanceMap& map);

// "QTK", "QHK" or "GV5".
const char* SeriesName(Series series);

}  // namespace keld
