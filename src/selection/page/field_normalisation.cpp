// SPDX-License-Identifier: MIT
#include "selection/page/field_normalisation.h"

#include <cmath>

#include "base/format_text.h"
#include "base/number_text.h"
#include "base/significant.h"
#include "selection/page/page_controls.h"

namespace keld {
namespace {

// The fouling of a new, clean exchanger is 0; any fouled one is rated with
// at least the standard allowance of 0.018 m²·K/kW.
constexpr float kMinimumFouling = 0.018f;

bool HasFraction(float scaled) { return scaled != std::floor(scaled); }

enum class FieldKind { Ambient, WaterTemp, Flow, Fouling, Altitude, None };

FieldKind KindOf(int controlId) {
    switch (controlId) {
        case kCoolingAmbientEdit:
        case kHeatingAmbientEdit:
            return FieldKind::Ambient;
        case kCoolingInletEdit:
        case kCoolingOutletEdit:
        case kHeatingInletEdit:
        case kHeatingOutletEdit:
        case kRecoveryInletEdit:
        case kRecoveryOutletEdit:
            return FieldKind::WaterTemp;
        case kCoolingFlowEdit:
        case kHeatingFlowEdit:
            return FieldKind::Flow;
        case kFoulingEdit:
        case kRecoveryFoulingEdit:
            return FieldKind::Fouling;
        case kAltitudeEdit:
            return FieldKind::Altitude;
        default:
            return FieldKind::None;
    }
}

}  // namespace

float NormaliseAmbientTemp(float value) {
    const float tenths = value * 10.0f;
    if (!HasFraction(tenths)) return value;
    return static_cast<float>(LeadingNumber(FormatText("%.1f", static_cast<double>(value))));
}

float NormaliseWaterTemp(float value) {
    const float hundredths = value * 100.0f;
    if (!HasFraction(hundredths)) return value;
    return static_cast<float>(LeadingNumber(FormatText("%.2f", static_cast<double>(value) + 0.0000001)));
}

float NormaliseFlow(float value) { return static_cast<float>(LeadingNumber(FormatSignificant4(value))); }

float NormaliseFouling(float value) {
    if (value < 0) value = 0;
    value = static_cast<float>(LeadingNumber(FormatSignificant(value, 3)));
    if (value > 0 && value < kMinimumFouling) value = kMinimumFouling;
    return value;
}

float NormaliseAltitude(float value) {
    // Truncated as a real: a huge typed altitude must not overflow an int.
    return static_cast<float>(std::trunc(LeadingNumber(FormatText("%.0f", static_cast<double>(value)))));
}

float NormaliseOnLeave(int controlId, float value) {
    switch (KindOf(controlId)) {
        case FieldKind::Ambient:
            return NormaliseAmbientTemp(value);
        case FieldKind::WaterTemp:
            return NormaliseWaterTemp(value);
        case FieldKind::Flow:
            return NormaliseFlow(value);
        case FieldKind::Fouling:
            return NormaliseFouling(value);
        case FieldKind::Altitude:
            return NormaliseAltitude(value);
        case FieldKind::None:
            break;
    }
    return value;
}

bool HasLeaveNormalisation(int controlId) { return KindOf(controlId) != FieldKind::None; }

}  // namespace keld
