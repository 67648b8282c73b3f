// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

#include "session/performance_map.h"

namespace keld {

// The figures of one point as the result list shows them: four significant
// digits, the inlet with two decimals, the drop cell (chilled water only).
// A figure the evaluation did not reach is empty: capacity, power and
// efficiency exist from the envelope check on, flow and inlet from the flow
// check on, the drop only for a unit that runs.
struct MapPointCells {
    std::string capacity;
    std::string power;
    std::string efficiency;
    std::string flow;
    std::string inlet;
    std::string pressureDrop;
};
MapPointCells CellsOfPoint(Series series, const MapPoint& point, bool heating);

// The map as a spreadsheet opens it: a header line naming each column with
// its unit, then one line per point, cooling first, then a heat pump's
// heating. Figures are written as the result list shows them (four
// significant digits, inlets with two decimals, the drop cell); a point that
// stopped before a figure leaves its cell empty. Ends with a line end.
void WriteMapCsv(std::ostream& out, const PerformanceMap& map);

}  // namespace keld
