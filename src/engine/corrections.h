// SPDX-License-Identifier: MIT
#pragma once

#include "engine/correction_result.h"
#include "engine/selection_conditions.h"

namespace keld {

class PerformanceDatabase;

// The multipliers of a QTK run: the altitude, fouling and glycol factors of
// cooling capacity and power (a QTK run is a water run: glycol 0 %), and the
// four grid ratios at the duty's ambient and leaving water, for the even
// (090, 180) and the odd (130, 260) modules. Writes capacityFactor,
// powerFactor, capacityRatio, powerRatio, capacityRatioEven and
// powerRatioEven; the other fields keep their values.
//
// Runs the lookups in a fixed order, so the first failing table is the one
// the user hears about. A grid point without data gives a ratio of 0. An
// ambient outside a grid raises InvalidArgumentError, a leaving water outside
// a grid or a missing table raises DatabaseError; nothing is caught here.
// Uses the database's CurrentRecordset (no candidate walk may be open).
void ComputeQtkCorrections(PerformanceDatabase& db, const SelectionConditions& conditions,
                           CorrectionResult& result);

// The same for the screw runs (QHK heat pumps, GV5 chillers): fouling,
// altitude and glycol factors, with glycol below 4 °C leaving water also the
// low-temperature factors (the grids are then read at 7 °C), and the cooling
// grid ratios of the series. A heat-pump run (unitType 1) also writes the
// four heating fields from the heating grids at the heating duty.
// Failures as ComputeQtkCorrections.
void ComputeScrewCorrections(PerformanceDatabase& db, const SelectionConditions& conditions,
                             CorrectionResult& result);

// The leaving water at which a run reads the cooling grids of `series`: the
// duty's, except 7 °C for a screw unit on glycol below 4 °C.
float GridLeavingWater(Series series, const SelectionConditions& conditions);

}  // namespace keld
