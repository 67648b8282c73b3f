// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// Multipliers a run derives from its conditions before it looks at any
// candidate: products of correction factors, and grid ratios times factors.
struct CorrectionResult {
    double capacityFactor = 0;
    double powerFactor = 0;
    double capacityRatio = 0;
    double powerRatio = 0;
    double capacityRatioEven = 0;
    double powerRatioEven = 0;
    double heatCapacityFactor = 0;
    double heatPowerFactor = 0;
    double heatCapacityRatio = 0;
    double heatPowerRatio = 0;
};

}  // namespace keld
