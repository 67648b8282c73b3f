// SPDX-License-Identifier: MIT
#pragma once

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
inline constexpr int kCount = 22;
}  // namespace column

}  // namespace keld
