// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// What the selection page does to a value when the user leaves its field, so
// that every run works on figures an engineer would write on a datasheet.

// Ambient temperatures: one decimal, applied only when the value times ten,
// in single precision, has a fractional part (35.05 becomes 35.0).
float NormaliseAmbientTemp(float value);
// Water and recovery temperatures: two decimals, with a nudge of 1e-7 so
// that a value lying on a half hundredth rounds up (12.345 becomes 12.35).
float NormaliseWaterTemp(float value);
// Water flows: four significant digits.
float NormaliseFlow(float value);
// Fouling factors: a clean exchanger (0) or at least 0.018 m²·K/kW, three
// significant digits; a negative value counts as clean.
float NormaliseFouling(float value);
// Altitude: whole metres (12.6 becomes 13).
float NormaliseAltitude(float value);

// The normalisation the page applies when the edit `controlId` loses the
// focus; `value` unchanged for a control without one (the integer fields).
float NormaliseOnLeave(int controlId, float value);

// Whether the edit `controlId` has a normalisation on leaving it.
bool HasLeaveNormalisation(int controlId);

}  // namespace keld
