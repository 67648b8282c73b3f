// SPDX-License-Identifier: MIT
#pragma once

// Every table name, column name and statement text the program sends to the
// performance database, in one place. The names are the database's own,
// odd spellings included ("CapcityQTK130&260GN5", "Concertration", "Highth",
// "Conference"); the statements are format strings for FormatText
// (db/format_text.h), their spacing exactly as the database expects to be
// asked. Numbers go in with "%f", names with "%s", model names between the
// single quotes the statements carry.
namespace keld::schema {

// --- Unit tables: one row per selectable unit ---------------------------
inline constexpr const char* kAllModel = "ALL_Model";         // QTK centrifugal chillers
inline constexpr const char* kAllModelQhk = "ALL_Model_qhk";  // QHK screw heat pumps
inline constexpr const char* kAllModelGv5 = "ALL_Model_GV5";  // QSK GV5 screw chillers

// Candidate queries: the two %f are the lower and upper bound of the
// capacity band (kW).
// QTK: Type, Refrig, Version, Recycle, lower, upper.
inline constexpr const char* kCandidateQueryQtk =
    "select * from ALL_Model where Type=%d and Refrig=%d  and Version=%d and Recycle=%d and capacity >%f and "
    "capacity <%f order by ModelName";
// QHK: Type, Refrig, Version, Recycle, lower, upper.
inline constexpr const char* kCandidateQueryQhk =
    "select * from ALL_Model_qhk where Type=%d and Refrig=%d  and Version=%d and Recycle=%d and capacity >%f "
    "and "
    "capacity <%f order by ModelName";
// QSK GV5: Centre, Type, Refrig, Version, Recycle, lower, upper.
inline constexpr const char* kCandidateQueryGv5 =
    "select * from ALL_Model_GV5 where Centre=%d and Type=%d and Refrig=%d  and Version=%d and Recycle=%d "
    "and "
    "capacity >%f and capacity <%f order by ModelName";

inline constexpr const char* kUnitType = "Type";          // unit type code (filter only)
inline constexpr const char* kUnitRefrig = "Refrig";      // refrigerant code (filter only)
inline constexpr const char* kUnitVersion = "Version";    // version code (filter only)
inline constexpr const char* kUnitRecycle = "Recycle";    // heat-recovery mode code (filter only)
inline constexpr const char* kUnitCentre = "Centre";      // compressor type code, ALL_Model_GV5 (filter only)
inline constexpr const char* kUnitCapacity = "capacity";  // nominal capacity, kW
inline constexpr const char* kUnitModelName = "ModelName";
inline constexpr const char* kUnitConnect = "Connect";      // module indexes, "+" between two modules
inline constexpr const char* kUnitPower = "Power";          // rated power input, kW (ALL_Model)
inline constexpr const char* kUnitCapacity7 = "capacity7";  // rated capacity, kW (qhk, GV5)
inline constexpr const char* kUnitPower7 = "Power7";        // rated power input, kW (qhk, GV5)
inline constexpr const char* kUnitFlow7 = "Flow_7";         // water flow at the rating point, L/s
inline constexpr const char* kUnitFlow7H = "Flow_7H";       // hot-water flow at the heating rating point, L/s
inline constexpr const char* kUnitFlowRange = "FlowRange_C";  // "min-max" permitted water flow, L/s
inline constexpr const char* kUnitWaterPress =
    "WaterPress";                                        // nominal pressure drop, kPa ("a/b" for two modules)
inline constexpr const char* kUnitFlowTow = "Flow_Tow";  // flow belonging to WaterPress, L/s ("a/b")

// --- Performance grids: rows by LWT, one column per OAT -----------------
inline constexpr const char* kCapacityQtk090 = "CapacityQTK090&180GN5";
inline constexpr const char* kPowerQtk090 = "PowerQTK090&180GN5";
inline constexpr const char* kCapacityQtk130 = "CapcityQTK130&260GN5";
inline constexpr const char* kPowerQtk130 = "PowerQTK130&260GN5";
inline constexpr const char* kCapacityQhk = "CapacityQHK";
inline constexpr const char* kPowerQhk = "PowerQHK";
inline constexpr const char* kCapacityQhkHeating = "CapacityQHK_H";
inline constexpr const char* kPowerQhkHeating = "PowerQHK_H";
inline constexpr const char* kCapacityQskGv5 = "CapacityQSK_GV5";
inline constexpr const char* kPowerQskGv5 = "PowerQSK_GV5";

inline constexpr const char* kGridLwt = "LWT";  // the row's leaving water temperature, °C
// An OAT column's name: the OAT value text with "%sOAT", a point then
// written as an underscore (35OAT, 7_5OAT, -5OAT). Any column whose name
// contains kOatMarker is an OAT column.
inline constexpr const char* kOatColumnFormat = "%sOAT";
inline constexpr const char* kOatMarker = "OAT";

// Table name, LWT.
inline constexpr const char* kGridRowAtLwt = "select * from [%s] where [LWT]=%f ";
inline constexpr const char* kGridRowsAboveLwt = "select * from [%s] where  [LWT]> %f order by LWT";
inline constexpr const char* kGridRowsBelowLwt = "select * from [%s] where  [LWT]< %f order by LWT";
// Table name: the leaving waters of a grid's rows, and its columns.
// The same with the leaving water as a parameter (see kKeyRowsAtParameter).
inline constexpr const char* kGridRowAtLwtParameter = "select * from [%s] where [LWT]=+CAST(? AS REAL) ";
inline constexpr const char* kGridRowsAboveLwtParameter =
    "select * from [%s] where  [LWT]> +CAST(? AS REAL) order by LWT";
inline constexpr const char* kGridRowsBelowLwtParameter =
    "select * from [%s] where  [LWT]< +CAST(? AS REAL) order by LWT";
inline constexpr const char* kGridLwts = "select [LWT] from [%s] order by LWT";
inline constexpr const char* kGridColumns = "select * from [%s]";

// --- Correction tables: one key column, factor columns ------------------
inline constexpr const char* kHigh = "High";  // key Highth: site altitude, m
inline constexpr const char* kHighth = "Highth";
inline constexpr const char* kDirt = "Dirt";    // table and key column: fouling factor, m²·K/kW
inline constexpr const char* kFluid = "Fluid";  // key Concertration: glycol, whole percent
inline constexpr const char* kConcertration = "Concertration";
inline constexpr const char* kWaterTem = "waterTem";  // key waterout: chilled-water leaving temperature, °C
inline constexpr const char* kWaterout = "waterout";
inline constexpr const char* kWaterPd = "WaterPD";  // key Flow: actual / nominal water flow
inline constexpr const char* kWaterPd2 = "WaterPD2";
inline constexpr const char* kWaterPdGv5 = "WaterPD_GV5";

inline constexpr const char* kCorrectionCapacity = "Capacity";        // High, Dirt, Fluid, waterTem
inline constexpr const char* kCorrectionPowerC = "PowerC";            // High, Dirt, Fluid
inline constexpr const char* kCorrectionHotCapacity = "HotCapacity";  // High, Dirt, Fluid
inline constexpr const char* kCorrectionPowerH = "PowerH";            // High, Dirt, Fluid
inline constexpr const char* kCorrectionPower = "Power";              // waterTem
inline constexpr const char* kCorrectionWaterPd = "WaterPD";          // Fluid: pressure-drop factor
inline constexpr const char* kCorrectionFlow = "Flow";  // Fluid: flow factor; key of the WaterPD tables
inline constexpr const char* kConference =
    "Conference";  // WaterPD, WaterPD2, WaterPD_GV5: pressure-drop ratio
inline constexpr const char* kConference2 = "Conference2";  // WaterPD_GV5

// Table, key column, key value.
inline constexpr const char* kKeyRowsAt = "select * from %s where %s = %f";
inline constexpr const char* kKeyRowsAbove = "select * from %s where %s > %f";
inline constexpr const char* kKeyRowsBelow = "select * from %s where %s <%f";
// The same with the key as a parameter, bound to the text "%f" makes of it:
// CAST reads that text as the engine reads a number written into a
// statement, and the unary plus takes away the affinity CAST gives, which a
// written number does not have (it would make a key column without a type
// compare its text as a number).
inline constexpr const char* kKeyRowsAtParameter = "select * from %s where %s = +CAST(? AS REAL)";
inline constexpr const char* kKeyRowsAboveParameter = "select * from %s where %s > +CAST(? AS REAL)";
inline constexpr const char* kKeyRowsBelowParameter = "select * from %s where %s < +CAST(? AS REAL)";

// --- The data's stamp: one row, absent from files built before it -------
inline constexpr const char* kDataStampQuery = "select Version, Date from DataStamp";
inline constexpr const char* kDataStampVersion = "Version";
inline constexpr const char* kDataStampDate = "Date";

// --- Datasheet table ----------------------------------------------------
inline constexpr const char* kExcelNew = "EXCEL_NEW";
// First-brand model name.
inline constexpr const char* kExcelNewByModel = "select * from EXCEL_NEW  where  ModelName = '%s' ";

inline constexpr const char* kExcelModelName = "ModelName";
inline constexpr const char* kExcelFlow7 = "Flow7";                      // L/s
inline constexpr const char* kExcelStdCapacity7 = "Std_capacity7";       // kW
inline constexpr const char* kExcelStdPower7 = "Std_Power7";             // kW
inline constexpr const char* kExcelWaterResistance = "WaterResistance";  // kPa text, "a/b" for two modules
inline constexpr const char* kExcelSize = "Size";                        // water connection, inch
inline constexpr const char* kExcelFanNum = "FanNum";
inline constexpr const char* kExcelFan = "Fan";            // air flow, 10^4 m³/h
inline constexpr const char* kExcelFanPower = "FanPower";  // kW
inline constexpr const char* kExcelCompressorType = "CompressorType";
inline constexpr const char* kExcelNum = "Num";                        // number of compressors
inline constexpr const char* kExcelQuality = "Quality";                // shipping weight, kg
inline constexpr const char* kExcelOnQuality = "OnQuality";            // operating weight, kg
inline constexpr const char* kExcelLengthWideHigh = "LengthWideHigh";  // mm
inline constexpr const char* kExcelNoise = "Noise";                    // dB(A)
inline constexpr const char* kExcelPowerSupply = "PowerSupply";
inline constexpr const char* kExcelRateCurrent = "RateCurrent";  // A
inline constexpr const char* kExcelSafeCurrent = "SafeCurrent";  // A

// --- Part-load tables ---------------------------------------------------
inline constexpr const char* kPartLoadGb = "QSK_QHK_R134a_GB";
inline constexpr const char* kPartLoadAhri = "QSK_QHK_R134a_AHRI";
// First-brand model name.
inline constexpr const char* kPartLoadGbByModel = "select * from QSK_QHK_R134a_GB  where  ModelName = '%s'";
inline constexpr const char* kPartLoadAhriByModel =
    "select * from QSK_QHK_R134a_AHRI  where  ModelName = '%s'";

inline constexpr const char* kPartLoadModelName = "ModelName";
inline constexpr const char* kPartLoadLoad = "load";          // fraction, 1 = full load
inline constexpr const char* kPartLoadCapacity = "capacity";  // kW
inline constexpr const char* kPartLoadPower = "power";        // kW
inline constexpr const char* kPartLoadCop = "COP";            // W/W
inline constexpr const char* kPartLoadOat = "OAT";            // °C
inline constexpr const char* kPartLoadLwt = "LWT";            // °C
inline constexpr const char* kPartLoadFlow = "flow";          // L/s
inline constexpr const char* kPartLoadIplv = "IPLV";          // W/W

}  // namespace keld::schema
