// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/unit_performance.h"

namespace keld {

// The inputs a result row was computed for, kept with the row so that
// marking the row (or writing its datasheet) restores them.
struct ModelResult {
    std::string modelName;    // as shown in column 0
    UnitPerformance figures;  // the row's figures as numbers, which its cells show
    float coolingAmbientTemp = 0;
    float coolingOutletTemp = 0;
    float coolingInletTemp = 0;
    float coolingWaterFlow = 0;
    double heatingAmbientTemp = 0;
    double heatingOutletTemp = 0;
    double heatingInletTemp = 0;
    double heatingWaterFlow = 0;
    std::int32_t altitude = 0;
    float foulingFactor = 0;
    std::int32_t glycolPercent = 0;
    std::int32_t isWater = 1;
    std::int32_t coolingCapacityRequired = 500;
    std::int32_t heatingCapacityRequired = 500;
    std::int32_t tolerancePercent = 15;
    bool coolingFlowEntered = false;
    bool heatingFlowEntered = false;
};

}  // namespace keld
