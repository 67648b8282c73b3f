// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "engine/correction_result.h"
#include "engine/selection_conditions.h"
#include "engine/unit_duty.h"
#include "engine/value_pairs.h"

namespace keld {

// One water circuit of the duty as the user entered it. Of flow and inlet
// temperature one is entered and the other follows from the capacity.
struct CircuitDuty {
    double inletTemp = 0;    // °C, used when the flow is not entered
    double outletTemp = 0;   // °C, the leaving water the unit is selected for
    double enteredFlow = 0;  // L/s, used when flowEntered
    bool flowEntered = false;
    bool heating = false;  // hot water leaves warmer than it enters

    // Kelvin the unit changes the water by: inlet − outlet when cooling.
    double temperatureDifference() const { return heating ? outletTemp - inletTemp : inletTemp - outletTemp; }
};

CircuitDuty CoolingCircuit(const SelectionConditions& conditions);
CircuitDuty HeatingCircuit(const SelectionConditions& conditions);

// The water a candidate puts through one circuit.
struct CircuitWater {
    double flow = 0;       // L/s: computed, rated, or as entered (unrounded)
    double inletTemp = 0;  // °C: as entered, or computed from the entered flow
};

// Water flow in L/s that carries `capacity` kW at a difference of `deltaT` K:
// capacity × 0.86 / ΔT gives m³/h, × the glycol flow factor, / 3.6 gives L/s.
double WaterFlowForCapacity(double capacity, double deltaT, double glycolFlowFactor);

// The candidate's flow and inlet temperature. Inlet entered: the flow from the
// capacity (a two-module unit sums its rounded module flows), or at the
// rating point the unit's rated flow, which `ratedFlow` reads only then.
// Flow entered: the inlet temperature from the capacity and that flow. A zero
// difference or a zero flow gives a result that is not finite, which
// FlowWithinRange() rejects.
CircuitWater ComputeCircuitWater(const CircuitDuty& circuit, const UnitDuty& unit, double glycolFlowFactor,
                                 bool atRatingPoint, const std::function<double()>& ratedFlow);

// The flows of the two modules of a unit, for their pressure drops. Inlet
// entered: from each module's capacity, or at the rating point the modules'
// rated flows; flow entered: the entered flow split by the modules' shares of
// the capacity. Not yet rounded.
struct ModuleFlows {
    double first = 0;
    double second = 0;
};
ModuleFlows SplitModuleFlows(const CircuitDuty& circuit, const UnitDuty& unit, double glycolFlowFactor,
                             bool atRatingPoint, double ratedFirst, double ratedSecond);

// The rating points at which the database's rated flows replace the formula:
// cooling 35 °C ambient, 12 → 7 °C; heating 7 °C ambient, 40 → 45 °C; each
// only when the run's conditions leave the capacity uncorrected (factor 1).
bool AtCoolingRatingPoint(const SelectionConditions& conditions, const CorrectionResult& corrections);
bool AtHeatingRatingPoint(const SelectionConditions& conditions, const CorrectionResult& corrections);

// The permitted-flow test. Inlet entered: minimum ≤ flow ≤ maximum. Flow
// entered: the entered flow as shown (4 significant digits), with a little
// slack on the minimum so that a typed minimum is accepted. A flow or inlet
// temperature that is not finite is never within range.
bool FlowWithinRange(const FlowRange& range, const CircuitWater& water, bool flowEntered);

}  // namespace keld
