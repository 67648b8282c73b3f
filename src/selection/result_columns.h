// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace keld {

// Column indexes of the result list; the runs write them and the datasheet
// reads them, so both sides name them from here.
namespace column {
inline constexpr int kModel = 0;
inline constexpr int kCoolingCapacity = 1;
inline constexpr int kCoolingPower = 2;
inline constexpr int kCoolingFlow = 3;
inline constexpr int kHeatingCapacity = 4;
inline constexpr int kHeatingPower = 5;
inline constexpr int kHeatingFlow = 6;
inline constexpr int kRecoveryCapacity = 7;  // 7..11 always empty
inline constexpr int kRatedCapacity = 12;
inline constexpr int kRatedPower = 13;
inline constexpr int kCoolingInletTemp = 14;
inline constexpr int kAltitude = 15;
inline constexpr int kPressureDrop = 16;
inline constexpr int kRatedCapacityRepeat = 17;
inline constexpr int kRatedPowerRepeat = 18;
inline constexpr int kHeatingInletTemp = 19;
inline constexpr int kRecordId = 20;
inline constexpr int kBlank = 21;  // always empty
inline constexpr int kCount = 22;
}  // namespace column

// How the result list presents a column. The list's own header carries
// `caption`; above the figures of columns 1–11 three header rows show the
// operating mode (`group`), the quantity symbol and the unit. `quantity` and
// `unit` name the figure for whoever reads it without the header rows (a
// tooltip, a printed or copied table).
struct ResultColumn {
    int width;  // pixels; 0 hides a column that only the datasheet reads
    const char* caption;
    const char* group;
    const char* symbol;
    const char* unit;
    const char* quantity;
};

inline constexpr std::array<ResultColumn, column::kCount> kResultColumns = {{
    {130, "Model", "", "", "", "model"},
    {62, "", "Cooling", "Pf", "kW", "cooling capacity"},
    {62, "", "Cooling", "Pa", "kW", "power input in cooling"},
    {62, "", "Cooling", "qw", "L/s", "chilled-water flow"},
    {62, "", "Heating", "Pf", "kW", "heating capacity"},
    {62, "", "Heating", "Pa", "kW", "power input in heating"},
    {62, "", "Heating", "qw", "L/s", "hot-water flow"},
    {62, "", "With Recovery", "Pf", "kW", "cooling capacity with heat recovery"},
    {62, "", "With Recovery", "qw", "L/s", "chilled-water flow with heat recovery"},
    {62, "", "With Recovery", "Pr", "kW", "recovered heat"},
    {62, "", "With Recovery", "Pa'", "kW", "power input with heat recovery"},
    {62, "", "With Recovery", "qw'", "L/s", "recovery-water flow"},
    {0, "", "", "", "kW", "rated cooling capacity"},
    {0, "", "", "", "kW", "rated power input"},
    {0, "", "", "", "°C", "chilled-water inlet temperature"},
    {0, "", "", "", "m", "altitude"},
    {162, "", "", "", "kPa", "water pressure drop"},
    {0, "", "", "", "kW", "rated capacity"},
    {0, "", "", "", "kW", "rated power input"},
    {0, "", "", "", "°C", "hot-water inlet temperature"},
    {0, "Address", "", "", "", "record"},
    {162, "", "", "", "", ""},
}};

// The operating-mode groups of the header rows: each spans the symbol and
// unit columns up to `lastColumn` (the "With Recovery" group ends at 12, a
// hidden column the rows leave out, so it spans columns 7–11).
struct ResultGroup {
    const char* caption;
    int lastColumn;
};
inline constexpr std::array<ResultGroup, 3> kResultGroups = {{
    {"Cooling", column::kCoolingFlow},
    {"Heating", column::kHeatingFlow},
    {"With Recovery", column::kRatedCapacity},
}};

// The columns the list shows a value in, in order: the model, the cooling,
// heating and recovery figures and the water pressure drop.
inline constexpr std::array kShownColumns = {column::kModel,
                                             column::kCoolingCapacity,
                                             column::kCoolingPower,
                                             column::kCoolingFlow,
                                             column::kHeatingCapacity,
                                             column::kHeatingPower,
                                             column::kHeatingFlow,
                                             column::kRecoveryCapacity,
                                             8,
                                             9,
                                             10,
                                             11,
                                             column::kPressureDrop};

// A one-line heading of a shown column for a printed or copied table: the
// caption, the group and symbol, or the quantity, then the unit
// ("Model", "Cooling Pf kW", "Water pressure drop kPa").
std::string ColumnHeading(int columnIndex);

}  // namespace keld
