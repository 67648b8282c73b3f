// SPDX-License-Identifier: MIT
// The operating limits a run checks before it asks the database for units,
// and the glycol a low leaving water temperature needs against freezing.
#include <array>
#include <cmath>
#include <string>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "selection/page/edit_numbers.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"

namespace keld {
namespace {

constexpr const char* kCoolingCaption = "Cooling";
constexpr const char* kHeatingCaption = "Heating";
constexpr const char* kGeneralCaption = "Gerneral Data";
constexpr const char* kFoulingMessage =
    "Please input the value of fouling factor difference between 0 and 0.132";
constexpr const char* kAltitudeMessage = "Please input the value of altitude difference between 0 and 1800";
constexpr const char* kGlycolMessage = "Please input the value of fluid difference between 0 and 50";

// Upper limits count as kept within this margin (single-precision inputs).
constexpr double kLimitTolerance = 0.00001;

std::string AmbientMessage(double low, double high) {
    return FormatText("Please input the value of ambient temperature between %.1f and %.1f ", low, high);
}

std::string OutletMessage(int low, int high) {
    return FormatText("Please input the value of outlet temperature between %d and %d", low, high);
}

constexpr const char* kDifferenceMessage =
    "Please input the value of water inlet/outlet temperature difference between 4 and 10";

bool AmbientOutside(float ambient, double low, double high) {
    return ambient < low || ambient - high > kLimitTolerance;
}

// The water must warm (or cool) by 4 to 10 K across the heat exchanger.
bool DifferenceOutside(float difference) { return difference < 4 || difference > 10; }

bool FoulingOutside(float fouling) { return fouling - 0.132 > 1e-10 || fouling < 0; }

bool AltitudeOutside(float altitude) { return altitude > 1800 || altitude < 0; }

bool GlycolOutside(int percent) { return percent < 0 || percent > 50; }

// Glycol a heat pump's chilled water needs at leaving temperature t (°C); 0
// above 4 °C. Only reached for t >= -8, the lowest outlet the checks allow.
int HeatPumpGlycolMinimum(float t) {
    if (t > 4) return 0;
    if (t >= 2) return 10;
    if (t >= 0) return 15;
    if (t >= -2) return 18;
    if (t >= -4) return 20;
    if (t >= -6) return 23;
    return 25;
}

// Glycol a GV5 chiller needs below 4 °C leaving water, by whole degrees
// rounded down: index 4 - floor(t).
int ScrewChillerGlycolMinimum(float t) {
    constexpr std::array kByDegreeBelowFour = {0, 10, 10, 15, 15, 18, 18, 20, 20, 23, 23, 25, 25};
    const int index = 4 - static_cast<int>(std::floor(t));
    if (index < 0) return 0;
    if (index >= static_cast<int>(kByDegreeBelowFour.size())) return kByDegreeBelowFour.back();
    return kByDegreeBelowFour[index];
}

// Shows why a check failed; false, for the check to return.
bool Refuse(MessageSink& messages, const std::string& text, const char* caption) {
    messages.show(text, caption);
    return false;
}

// Fouling and altitude have the same limits for every series.
bool GeneralDataWithinLimits(const SelectionConditions& c, MessageSink& messages) {
    if (FoulingOutside(c.foulingFactor)) return Refuse(messages, kFoulingMessage, kGeneralCaption);
    if (AltitudeOutside(c.altitude)) return Refuse(messages, kAltitudeMessage, kGeneralCaption);
    return true;
}

}  // namespace

bool SelectionPage::ValidateCentrifugalInputs() {
    const SelectionConditions& c = conditions_;
    if (AmbientOutside(c.coolingAmbientTemp, -8.0, 44.0)) {
        return Refuse(messages_, AmbientMessage(-8.0, 44.0), kCoolingCaption);
    }
    if (c.coolingOutletTemp < 4 || c.coolingOutletTemp > 15) {
        return Refuse(messages_, OutletMessage(4, 15), kCoolingCaption);
    }
    // Away from the rating point the tables cover any difference; at the
    // rating point the rated flow is only meaningful for a sane difference.
    const bool ratingPoint = c.coolingAmbientTemp == 35 && c.coolingOutletTemp == 7 &&
                             std::fabs(c.foulingFactor - 0.018) < kLimitTolerance && c.altitude == 0;
    if (!c.coolingFlowEntered && ratingPoint && DifferenceOutside(c.coolingInletTemp - c.coolingOutletTemp)) {
        return Refuse(messages_, kDifferenceMessage, kCoolingCaption);
    }
    return GeneralDataWithinLimits(c, messages_);
}

bool SelectionPage::ValidateScrewInputs() {
    return conditions_.unitType == 1 ? validateHeatPumpInputs() : validateScrewChillerInputs();
}

bool SelectionPage::validateHeatPumpInputs() {
    const SelectionConditions& c = conditions_;
    if (AmbientOutside(c.heatingAmbientTemp, -15.0, 50.0)) {
        return Refuse(messages_, AmbientMessage(-15.0, 50.0), kHeatingCaption);
    }
    if (c.heatingOutletTemp < 25 || c.heatingOutletTemp > 55) {
        return Refuse(messages_, OutletMessage(25, 55), kHeatingCaption);
    }
    if (!c.heatingFlowEntered && DifferenceOutside(c.heatingOutletTemp - c.heatingInletTemp)) {
        return Refuse(messages_, kDifferenceMessage, kHeatingCaption);
    }
    if (!GeneralDataWithinLimits(c, messages_)) return false;
    if (GlycolOutside(c.glycolPercent)) return Refuse(messages_, kGlycolMessage, kGeneralCaption);
    if (AmbientOutside(c.coolingAmbientTemp, -8.0, 50.0)) {
        return Refuse(messages_, AmbientMessage(-8.0, 50.0), kCoolingCaption);
    }
    // Glycol keeps the water side from freezing below 4 °C.
    const int lowestOutlet = c.fluidIsGlycol ? -8 : 4;
    if (c.coolingOutletTemp < lowestOutlet || c.coolingOutletTemp > 35) {
        return Refuse(messages_, OutletMessage(lowestOutlet, 35), kCoolingCaption);
    }
    if (!c.coolingFlowEntered && DifferenceOutside(c.coolingInletTemp - c.coolingOutletTemp)) {
        return Refuse(messages_, kDifferenceMessage, kCoolingCaption);
    }
    if (c.fluidIsGlycol) raiseGlycolForLowLeavingWater();
    return true;
}

void SelectionPage::raiseGlycolForLowLeavingWater() {
    const int minimum = HeatPumpGlycolMinimum(conditions_.coolingOutletTemp);
    if (conditions_.glycolPercent < minimum) {
        conditions_.glycolPercent = minimum;
        writeControls();
    }
}

bool SelectionPage::validateScrewChillerInputs() {
    const SelectionConditions& c = conditions_;
    if (AmbientOutside(c.coolingAmbientTemp, 5.0, 50.0)) {
        return Refuse(messages_, AmbientMessage(5.0, 50.0), kCoolingCaption);
    }
    if (c.coolingOutletTemp < -8 || c.coolingOutletTemp > 35) {
        return Refuse(messages_, OutletMessage(-8, 35), kCoolingCaption);
    }
    if (GlycolOutside(c.glycolPercent)) return Refuse(messages_, kGlycolMessage, kGeneralCaption);
    if (!GeneralDataWithinLimits(c, messages_)) return false;
    if (c.coolingOutletTemp < 4) switchToGlycolForLowLeavingWater();
    return true;
}

// Below 4 °C a GV5 chiller always runs on glycol, water or not.
void SelectionPage::switchToGlycolForLowLeavingWater() {
    const int minimum = ScrewChillerGlycolMinimum(conditions_.coolingOutletTemp);
    if (minimum > conditions_.glycolPercent) {
        conditions_.glycolPercent = minimum;
        if (launch_.FirstDigit == 0) {
            messages_.show(FormatText("LWT is less than 4 degrees, the machine will use the glycol of %d",
                                      conditions_.glycolPercent),
                           kCoolingCaption);
        }
    }
    setFluidSelection(true);
    setEnabled(kGlycolEdit, true);
    storeEditText(kGlycolEdit, IntegerEditText(conditions_.glycolPercent));
}

}  // namespace keld
