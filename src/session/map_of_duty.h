// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "session/page_options.h"
#include "session/performance_map.h"

namespace keld {

class MessageSink;
class PerformanceDatabase;

// A unit's map over its own grids at a duty, and the unit at the duty's own
// point of each circuit (the point the selection listed it for), where the
// evaluation gave one.
struct MapOfDuty {
    PerformanceMap map;
    std::optional<MapPoint> coolingDuty;
    std::optional<MapPoint> heatingDuty;
};

// Maps `model` at `duty` (MapUnit over the unit's grids). The duty's own
// points are taken from the grid where they lie on it, else evaluated on
// their own. When the duty is refused its messages are shown through
// `messages` and nothing is returned. Raises as MapUnit does.
std::optional<MapOfDuty> MapAtDuty(PerformanceDatabase& db, MessageSink& messages, const PageOptions& duty,
                                   const std::string& model);

}  // namespace keld
