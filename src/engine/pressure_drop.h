// SPDX-License-Identifier: MIT
#pragma once

#include "engine/selection_conditions.h"

namespace keld {

class PerformanceDatabase;

// The factor that turns a unit's (or module's) nominal water pressure drop
// into the drop at its actual flow, for a QTK unit: the flow ratio (actual /
// nominal flow) is held to 0.5 … 1.3 and the factor is the "WaterPD" table's
// drop ratio times the glycol pressure-drop factor. Reads with LookupByKey
// (its own recordset), so it may run during a candidate walk; its failures
// are LookupByKey's.
double PressureDropRatio(PerformanceDatabase& db, double flowRatio, int glycolPercent);

// The same for the screw series. A GV5 run (a screw chiller) holds the ratio
// to 0.3 … 1.5 and reads "WaterPD_GV5", in its "Conference2" column for the
// candidates marked useConference2 (the 335, 365, 380 and 395 units); any
// other run (the QHK heat pumps) holds it to 0.5 … 1.3 and reads "WaterPD2".
double PressureDropRatioScrew(PerformanceDatabase& db, double flowRatio, int glycolPercent,
                              const SelectionConditions& conditions, bool useConference2);

}  // namespace keld
