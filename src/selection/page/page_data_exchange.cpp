// SPDX-License-Identifier: MIT
// Moving the page's values between its controls and SelectionConditions, in
// the order of the page's controls. The order matters: a read that meets a
// text that is not a number stops there, so only the fields before it are
// taken over.
#include <array>
#include <bit>
#include <cstdint>

#include "base/message_sink.h"
#include "selection/page/edit_numbers.h"
#include "selection/page/page_controls.h"
#include "selection/page/page_edits.h"
#include "selection/page/page_exchange.h"
#include "selection/page/selection_page.h"

namespace keld {
namespace {

struct ExchangeStep {
    enum class Kind { RadioGroup, FluidList, RealEdit, IntegerEdit };
    Kind kind;
    int controlId;  // the edit, or the first radio of the group
    std::int32_t SelectionConditions::*integerField = nullptr;
    float SelectionConditions::*realField = nullptr;
};

using Kind = ExchangeStep::Kind;
using C = SelectionConditions;

constexpr ExchangeStep Radio(int firstId, int C::*field) {
    return {Kind::RadioGroup, firstId, field, nullptr};
}
constexpr ExchangeStep Real(int id, float C::*field) { return {Kind::RealEdit, id, nullptr, field}; }
constexpr ExchangeStep Integer(int id, std::int32_t C::*field) {
    return {Kind::IntegerEdit, id, field, nullptr};
}

constexpr std::array kExchangeOrder = {
    Radio(kChillersRadio, &C::unitType),
    Radio(kR22Radio, &C::refrigerant),
    Radio(kStandardVersionRadio, &C::version),
    Radio(kRecoveryNoneRadio, &C::recoveryMode),
    ExchangeStep{Kind::FluidList, kFluidList},
    Real(kAltitudeEdit, &C::altitude),
    Real(kCoolingAmbientEdit, &C::coolingAmbientTemp),
    Integer(kCoolingCapacityEdit, &C::coolingCapacityRequired),
    Real(kCoolingFlowEdit, &C::coolingWaterFlow),
    Real(kCoolingInletEdit, &C::coolingInletTemp),
    Real(kCoolingOutletEdit, &C::coolingOutletTemp),
    Real(kFoulingEdit, &C::foulingFactor),
    Integer(kGlycolEdit, &C::glycolPercent),
    Real(kHeatingAmbientEdit, &C::heatingAmbientTemp),
    Integer(kHeatingCapacityEdit, &C::heatingCapacityRequired),
    Real(kHeatingFlowEdit, &C::heatingWaterFlow),
    Real(kHeatingInletEdit, &C::heatingInletTemp),
    Real(kHeatingOutletEdit, &C::heatingOutletTemp),
    Real(kRecoveryFoulingEdit, &C::recoveryFoulingFactor),
    Real(kRecoveryInletEdit, &C::recoveryInletTemp),
    Real(kRecoveryOutletEdit, &C::recoveryOutletTemp),
    Integer(kToleranceEdit, &C::tolerancePercent),
    Radio(kCentrifugalRadio, &C::compressorType),
    Radio(kAhriRadio, &C::partLoadStandard),
};

}  // namespace

float SelectionConditions::*RealFieldOf(int controlId) {
    for (const ExchangeStep& step : kExchangeOrder) {
        if (step.kind == Kind::RealEdit && step.controlId == controlId) return step.realField;
    }
    return nullptr;
}

bool SelectionPage::readControls() {
    // Which value of each circuit is entered is the state of its flow edit.
    conditions_.coolingFlowEntered = !isReadOnly(kCoolingFlowEdit);
    conditions_.heatingFlowEntered = !isReadOnly(kHeatingFlowEdit);
    for (const ExchangeStep& step : kExchangeOrder) {
        switch (step.kind) {
            case Kind::RadioGroup: {
                // The index of the first checked radio; -1 when none is.
                int index = -1;
                std::span<const int> group = RadioGroupOf(step.controlId);
                for (std::size_t i = 0; i < group.size() && index < 0; ++i) {
                    if (isChecked(group[i])) index = static_cast<int>(i);
                }
                conditions_.*step.integerField = index;
                break;
            }
            case Kind::FluidList:
                conditions_.fluidIsGlycol = fluidListGlycol_;
                break;
            case Kind::RealEdit: {
                auto value = readRealEdit(step.controlId);
                if (!value) {
                    messages_.show(kRealPrompt, kApplicationTitle);
                    observers_.notify(&PageObserver::focusRequested, step.controlId);
                    return false;
                }
                conditions_.*step.realField = *value;
                break;
            }
            case Kind::IntegerEdit: {
                auto value = ParseIntegerText(editTexts_.at(step.controlId).text);
                if (!value) {
                    messages_.show(kIntegerPrompt, kApplicationTitle);
                    observers_.notify(&PageObserver::focusRequested, step.controlId);
                    return false;
                }
                conditions_.*step.integerField = *value;
                break;
            }
        }
    }
    return true;
}

std::optional<float> SelectionPage::readRealEdit(int controlId) {
    EditField& field = editTexts_.at(controlId);
    if (!field.readAs) field.readAs = ParseRealText(field.text);
    return field.readAs;
}

void SelectionPage::writeRealEdit(int controlId, float value) {
    const EditField& shown = editTexts_[controlId];
    // Only the same bits are sure to write the same text.
    if (shown.writtenFrom &&
        std::bit_cast<std::uint32_t>(*shown.writtenFrom) == std::bit_cast<std::uint32_t>(value))
        return;
    storeEditText(controlId, RealEditText(value), value);
}

void SelectionPage::writeControls() {
    for (const ExchangeStep& step : kExchangeOrder) {
        switch (step.kind) {
            case Kind::RadioGroup: {
                std::span<const int> group = RadioGroupOf(step.controlId);
                const int index = conditions_.*step.integerField;
                for (std::size_t i = 0; i < group.size(); ++i) {
                    setChecked(group[i], static_cast<int>(i) == index);
                }
                break;
            }
            case Kind::FluidList:
                setFluidSelection(conditions_.fluidIsGlycol);
                break;
            case Kind::RealEdit:
                writeRealEdit(step.controlId, conditions_.*step.realField);
                break;
            case Kind::IntegerEdit:
                storeEditText(step.controlId, IntegerEditText(conditions_.*step.integerField));
                break;
        }
    }
}

}  // namespace keld
