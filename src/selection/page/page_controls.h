// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// Control ids of the selection page. The page logic, the window that shows it
// and keld-cli name the controls by these ids.

// Unit type radios ("Type")
inline constexpr int kChillersRadio = 1001;
inline constexpr int kHeatPumpRadio = 1002;
// Refrigerant radios: only R134a can ever be chosen
inline constexpr int kR22Radio = 1003;
inline constexpr int kR407cRadio = 1004;
inline constexpr int kR134aRadio = 1005;
// Version radios: only Standard can ever be chosen
inline constexpr int kStandardVersionRadio = 1006;
inline constexpr int kLowNoiseRadio = 1007;
inline constexpr int kLowAmbientRadio = 1008;
// Compressor type radios
inline constexpr int kCentrifugalRadio = 1010;
inline constexpr int kScrewRadio = 1011;
// Heat recovery radios: only None can ever be chosen
inline constexpr int kRecoveryNoneRadio = 1012;
inline constexpr int kRecoveryPartialRadio = 1013;
inline constexpr int kRecoveryTotalRadio = 1014;
// Part-load standard radios ("IPLV")
inline constexpr int kAhriRadio = 1020;
inline constexpr int kGbRadio = 1035;

// Capacity requirement (integers)
inline constexpr int kCoolingCapacityEdit = 1015;  // kW
inline constexpr int kToleranceEdit = 1017;        // %
inline constexpr int kHeatingCapacityEdit = 1023;  // kW
// Cooling conditions
inline constexpr int kCoolingAmbientEdit = 1016;  // °C
inline constexpr int kCoolingInletEdit = 1024;    // °C
inline constexpr int kCoolingFlowEdit = 1025;     // L/s
inline constexpr int kCoolingOutletEdit = 1026;   // °C
// Heating conditions
inline constexpr int kHeatingAmbientEdit = 1027;  // °C
inline constexpr int kHeatingInletEdit = 1028;    // °C
inline constexpr int kHeatingFlowEdit = 1029;     // L/s
inline constexpr int kHeatingOutletEdit = 1030;   // °C
// Recovery side: never enabled, never used by a calculation
inline constexpr int kRecoveryInletEdit = 1018;    // °C
inline constexpr int kRecoveryOutletEdit = 1019;   // °C
inline constexpr int kRecoveryFoulingEdit = 1022;  // m²·K/kW
// General data
inline constexpr int kGlycolEdit = 1031;    // % (integer)
inline constexpr int kFluidList = 1032;     // items "Water", "Glycol"
inline constexpr int kFoulingEdit = 1033;   // m²·K/kW
inline constexpr int kAltitudeEdit = 1034;  // m

// The result list
inline constexpr int kResultList = 1042;

}  // namespace keld
