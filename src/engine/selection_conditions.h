// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "engine/module_table.h"

namespace keld {

// The inputs of one selection run, as the selection page holds them.
// Temperatures, flows, fouling and altitude are single-precision reals;
// capacities, tolerance and glycol are 32-bit integers; radio groups hold the
// index of the checked button.
struct SelectionConditions {
    int compressorType = 0;    // 0 centrifugal, 1 screw
    int unitType = 0;          // 0 chiller, 1 heat pump
    int refrigerant = 2;       // only R134a can be chosen
    int version = 0;           // only Standard can be chosen
    int recoveryMode = 0;      // only None can be chosen
    int partLoadStandard = 0;  // 0 AHRI, 1 GB
    bool fluidIsGlycol = false;
    std::int32_t glycolPercent = 0;
    float foulingFactor = 0.018f;                // m²·K/kW
    float altitude = 0.0f;                       // m
    std::int32_t coolingCapacityRequired = 500;  // kW
    std::int32_t heatingCapacityRequired = 500;  // kW
    std::int32_t tolerancePercent = 15;
    float coolingAmbientTemp = 35.0f;
    float coolingInletTemp = 12.0f;
    float coolingOutletTemp = 7.0f;
    float coolingWaterFlow = 22.07f;  // L/s
    float heatingAmbientTemp = 7.0f;
    float heatingInletTemp = 40.0f;
    float heatingOutletTemp = 45.0f;
    float heatingWaterFlow = 22.07f;  // L/s
    float recoveryInletTemp = 50.0f;
    float recoveryOutletTemp = 55.0f;
    float recoveryFoulingFactor = 0.018f;
    bool coolingFlowEntered = false;  // the flow is typed, the inlet computed
    bool heatingFlowEntered = false;
};

// The series a duty selects from: a centrifugal compressor the QTK chillers,
// a screw heat pump (unit type 1) the QHK units, a screw chiller the GV5 units.
inline Series SeriesOf(const SelectionConditions& conditions) {
    if (conditions.compressorType == 0) return Series::Qtk;
    return conditions.unitType == 1 ? Series::Qhk : Series::Gv5;
}

}  // namespace keld
