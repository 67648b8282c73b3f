// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// The separate factors behind the cooling products, as read from the
// correction tables at the duty (1 where a series has no such factor).
struct CoolingFactors {
    double altitudeCapacity = 1;
    double altitudePower = 1;
    double foulingCapacity = 1;
    double foulingPower = 1;
    double glycolCapacity = 1;
    double glycolPower = 1;
    double lowTemperatureCapacity = 1;  // glycol below 4 °C leaving water
    double lowTemperaturePower = 1;
};

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
    CoolingFactors cooling;
};

}  // namespace keld
