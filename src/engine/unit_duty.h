// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace keld {

// One module's capacity and power input (kW) at the run's conditions: its
// rated values times the run's corrected performance ratios.
struct ModuleDuty {
    double capacity = 0;
    double power = 0;
};

// A unit's capacity and power input as the list shows them, with the rounded
// capacities of its modules (the water flow and the pressure drop of a
// two-module unit are worked out module by module).
struct UnitDuty {
    double capacity = 0;
    double power = 0;
    double firstCapacity = 0;
    double secondCapacity = 0;  // 0 for a single-module unit
    bool twoModules = false;
};

// Rounds each module's figures to 4 significant digits, then the sums, as the
// list shows them: capacity = r4(r4(c1) + r4(c2)), power = r4(r4(p1) + r4(p2)).
UnitDuty CombineModules(const ModuleDuty& first, const std::optional<ModuleDuty>& second);

}  // namespace keld
