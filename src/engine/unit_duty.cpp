// SPDX-License-Identifier: MIT
#include "engine/unit_duty.h"

#include "base/significant_rounding.h"

namespace keld {

UnitDuty CombineModules(const ModuleDuty& first, const std::optional<ModuleDuty>& second) {
    UnitDuty unit;
    unit.firstCapacity = RoundSignificant4(first.capacity);
    const double firstPower = RoundSignificant4(first.power);
    if (second) {
        unit.twoModules = true;
        unit.secondCapacity = RoundSignificant4(second->capacity);
        unit.capacity = RoundSignificant4(unit.firstCapacity + unit.secondCapacity);
        unit.power = RoundSignificant4(firstPower + RoundSignificant4(second->power));
    } else {
        unit.capacity = RoundSignificant4(unit.firstCapacity);
        unit.power = RoundSignificant4(firstPower);
    }
    return unit;
}

}  // namespace keld
