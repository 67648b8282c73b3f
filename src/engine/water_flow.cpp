// SPDX-License-Identifier: MIT
#include "engine/water_flow.h"

#include <cmath>

#include "base/significant_rounding.h"

namespace keld {
namespace {

constexpr double kKwToCubicMetresPerHourKelvin = 0.86;
constexpr double kCubicMetresPerHourPerLitrePerSecond = 3.6;
constexpr double kRatingPointTolerance = 0.00001;
// An entered flow is shown to 4 significant digits; this slack lets the
// shown value of a typed minimum pass the minimum.
constexpr double kEnteredFlowSlack = 0.0000005;

// The rating-point differences are taken in single precision, as the
// temperatures are entered.
bool Near(float value, float point) { return std::fabs(value - point) < kRatingPointTolerance; }

// Inlet temperature that makes an entered flow carry `capacity` kW.
double TemperatureChangeForFlow(double capacity, double glycolFlowFactor, double flow) {
    return capacity * kKwToCubicMetresPerHourKelvin * glycolFlowFactor / flow /
           kCubicMetresPerHourPerLitrePerSecond;
}

}  // namespace

CircuitDuty CoolingCircuit(const SelectionConditions& conditions) {
    return {conditions.coolingInletTemp, conditions.coolingOutletTemp, conditions.coolingWaterFlow,
            conditions.coolingFlowEntered, false};
}

CircuitDuty HeatingCircuit(const SelectionConditions& conditions) {
    return {conditions.heatingInletTemp, conditions.heatingOutletTemp, conditions.heatingWaterFlow,
            conditions.heatingFlowEntered, true};
}

double WaterFlowForCapacity(double capacity, double deltaT, double glycolFlowFactor) {
    return capacity * kKwToCubicMetresPerHourKelvin / deltaT * glycolFlowFactor /
           kCubicMetresPerHourPerLitrePerSecond;
}

CircuitWater ComputeCircuitWater(const CircuitDuty& circuit, const UnitDuty& unit, double glycolFlowFactor,
                                 bool atRatingPoint, const std::function<double()>& ratedFlow) {
    CircuitWater water;
    if (circuit.flowEntered) {
        water.flow = circuit.enteredFlow;
        const double change = TemperatureChangeForFlow(unit.capacity, glycolFlowFactor, water.flow);
        water.inletTemp = circuit.heating ? circuit.outletTemp - change : circuit.outletTemp + change;
        return water;
    }
    water.inletTemp = circuit.inletTemp;
    if (atRatingPoint) {
        water.flow = ratedFlow();
        return water;
    }
    const double deltaT = circuit.temperatureDifference();
    if (unit.twoModules) {
        water.flow = RoundSignificant4(
            RoundSignificant4(WaterFlowForCapacity(unit.firstCapacity, deltaT, glycolFlowFactor)) +
            RoundSignificant4(WaterFlowForCapacity(unit.secondCapacity, deltaT, glycolFlowFactor)));
    } else {
        water.flow = WaterFlowForCapacity(unit.capacity, deltaT, glycolFlowFactor);
    }
    return water;
}

ModuleFlows SplitModuleFlows(const CircuitDuty& circuit, const UnitDuty& unit, double glycolFlowFactor,
                             bool atRatingPoint, double ratedFirst, double ratedSecond) {
    if (circuit.flowEntered) {
        const double first =
            circuit.enteredFlow * unit.firstCapacity / (unit.firstCapacity + unit.secondCapacity);
        return {first, circuit.enteredFlow - first};
    }
    if (atRatingPoint) return {ratedFirst, ratedSecond};
    const double deltaT = circuit.temperatureDifference();
    return {WaterFlowForCapacity(unit.firstCapacity, deltaT, glycolFlowFactor),
            WaterFlowForCapacity(unit.secondCapacity, deltaT, glycolFlowFactor)};
}

bool AtCoolingRatingPoint(const SelectionConditions& conditions, const CorrectionResult& corrections) {
    return Near(conditions.coolingOutletTemp, 7.0f) && Near(conditions.coolingAmbientTemp, 35.0f) &&
           Near(conditions.coolingInletTemp, 12.0f) && corrections.capacityFactor == 1.0;
}

bool AtHeatingRatingPoint(const SelectionConditions& conditions, const CorrectionResult& corrections) {
    return Near(conditions.heatingOutletTemp, 45.0f) && Near(conditions.heatingAmbientTemp, 7.0f) &&
           Near(conditions.heatingInletTemp, 40.0f) && corrections.heatCapacityFactor == 1.0;
}

bool FlowWithinRange(const FlowRange& range, const CircuitWater& water, bool flowEntered) {
    if (!std::isfinite(water.flow) || !std::isfinite(water.inletTemp)) return false;
    if (flowEntered) {
        const double shown = RoundSignificant4(water.flow);
        return !(range.minimum > shown + kEnteredFlowSlack || range.maximum < shown);
    }
    return !(range.minimum > water.flow || range.maximum < water.flow);
}

}  // namespace keld
