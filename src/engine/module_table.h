// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace keld {

// The three product series a selection run can pick from.
enum class Series {
    Qtk,  // QTK …GN5 centrifugal chillers, unit table ALL_Model
    Qhk,  // QHK …GP5 screw heat pumps, unit table ALL_Model_qhk
    Gv5,  // QSK …GV5 screw chillers, unit table ALL_Model_GV5
};

// Rated data of one module. A unit of the database is built from one or two
// modules of its series and names them by their index in the series table.
// Values a series does not rate are 0 (only the QHK heat pumps rate heating).
struct ModuleRating {
    const char* name;         // for reference only; the runs use the index
    double coolingCapacity;   // kW
    double coolingPower;      // kW
    double heatingCapacity;   // kW
    double heatingPower;      // kW
    double chilledWaterFlow;  // L/s at the cooling rating point (35 °C, 12 → 7 °C)
};

// The built-in module table of a series, in index order. The data never
// changes, so the span stays valid for the life of the program.
std::span<const ModuleRating> ModuleTable(Series series);

// The largest figure (kW) any module of any series is rated at: the bound a
// performance ratio scales.
double LargestModuleRating();

// The module at `index` of the series table, or null when the index lies
// outside the table (a unit row naming a module that does not exist).
const ModuleRating* FindModule(Series series, int index);

}  // namespace keld
