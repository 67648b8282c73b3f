// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "session/performance_map.h"

namespace keld {

// The map as a spreadsheet opens it: a header line naming each column with
// its unit, then one line per point, cooling first, then a heat pump's
// heating. Figures are written as the result list shows them (four
// significant digits, inlets with two decimals, the drop cell); a point that
// stopped before a figure leaves its cell empty. Ends with a line end.
void WriteMapCsv(std::ostream& out, const PerformanceMap& map);

}  // namespace keld
