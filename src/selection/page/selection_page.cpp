// SPDX-License-Identifier: MIT
// The page's control states (enabled, read-only, checked, the fluid list) and
// what a click on a radio or a fluid choice does before its interlock runs.
#include "selection/page/selection_page.h"

#include <array>
#include <string>
#include <utility>

#include "selection/page/page_controls.h"
#include "selection/page/page_edits.h"

namespace keld {

SelectionPage::SelectionPage(LaunchParameters launch, MessageSink& messages)
    : launch_(std::move(launch)), messages_(messages) {
    // The states the page's controls start with before any interlock runs.
    disabled_ = {kHeatPumpRadio,       kR22Radio,
                 kR407cRadio,          kLowNoiseRadio,
                 kLowAmbientRadio,     kRecoveryPartialRadio,
                 kRecoveryTotalRadio,  kHeatingCapacityEdit,
                 kRecoveryInletEdit,   kRecoveryOutletEdit,
                 kRecoveryFoulingEdit, kHeatingAmbientEdit,
                 kHeatingInletEdit,    kHeatingOutletEdit,
                 kHeatingFlowEdit,     kFluidList,
                 kGlycolEdit};
    readOnly_ = {kCoolingFlowEdit, kHeatingFlowEdit};

    writeControls();
    setFluidSelection(false);
    onCentrifugal();
}

SelectionPage::SelectionPage(const SelectionPage& standing, MessageSink& messages)
    : launch_(standing.launch_),
      messages_(messages),
      conditions_(standing.conditions_),
      corrections_(standing.corrections_),
      editTexts_(standing.editTexts_),
      disabled_(standing.disabled_),
      readOnly_(standing.readOnly_),
      checked_(standing.checked_),
      fluidListGlycol_(standing.fluidListGlycol_) {}

std::span<const int> SelectionPage::ControlIds() {
    static constexpr std::array kControls = {kCentrifugalRadio,
                                             kScrewRadio,
                                             kChillersRadio,
                                             kHeatPumpRadio,
                                             kStandardVersionRadio,
                                             kLowNoiseRadio,
                                             kLowAmbientRadio,
                                             kRecoveryNoneRadio,
                                             kRecoveryPartialRadio,
                                             kRecoveryTotalRadio,
                                             kCoolingCapacityEdit,
                                             kHeatingCapacityEdit,
                                             kToleranceEdit,
                                             kR22Radio,
                                             kR407cRadio,
                                             kR134aRadio,
                                             kRecoveryInletEdit,
                                             kRecoveryOutletEdit,
                                             kRecoveryFoulingEdit,
                                             kCoolingAmbientEdit,
                                             kHeatingAmbientEdit,
                                             kCoolingInletEdit,
                                             kCoolingOutletEdit,
                                             kHeatingInletEdit,
                                             kHeatingOutletEdit,
                                             kCoolingFlowEdit,
                                             kHeatingFlowEdit,
                                             kFluidList,
                                             kGlycolEdit,
                                             kFoulingEdit,
                                             kAltitudeEdit,
                                             kAhriRadio,
                                             kGbRadio};
    return kControls;
}

ControlState SelectionPage::controlState(int controlId) const {
    ControlState state;
    if (controlId == kFluidList) {
        state.text = fluidListGlycol_ ? "Glycol" : "Water";
    } else if (RadioGroupOf(controlId).empty()) {
        state.text = editTexts_.at(controlId).text;
    }
    state.enabled = isEnabled(controlId);
    state.readOnly = isReadOnly(controlId);
    state.checked = isChecked(controlId);
    return state;
}

void SelectionPage::notifyChanged(int controlId) {
    observers_.notify(&PageObserver::controlChanged, controlId);
}

void SelectionPage::storeEditText(int controlId, const std::string& text, std::optional<float> writtenFrom) {
    EditField& field = editTexts_[controlId];
    const bool changed = field.text != text;
    if (changed) field = EditField{text, std::nullopt, std::nullopt};
    if (writtenFrom) field.writtenFrom = writtenFrom;
    // The field is whole before anyone hears of it.
    if (changed) notifyChanged(controlId);
}

bool SelectionPage::isEnabled(int controlId) const { return !disabled_.contains(controlId); }

bool SelectionPage::isReadOnly(int controlId) const { return readOnly_.contains(controlId); }

bool SelectionPage::isChecked(int radioId) const { return checked_.contains(radioId); }

namespace {

// Puts `id` into or out of `ids`; true when that changed anything.
bool Include(std::set<int>& ids, int id, bool included) {
    return included ? ids.insert(id).second : ids.erase(id) > 0;
}

}  // namespace

void SelectionPage::setEnabled(int controlId, bool enabled) {
    if (Include(disabled_, controlId, !enabled)) notifyChanged(controlId);
}

void SelectionPage::setReadOnly(int controlId, bool readOnly) {
    if (Include(readOnly_, controlId, readOnly)) notifyChanged(controlId);
}

void SelectionPage::setChecked(int radioId, bool checked) {
    if (Include(checked_, radioId, checked)) notifyChanged(radioId);
}

void SelectionPage::checkRadio(int radioId) {
    for (int member : RadioGroupOf(radioId)) setChecked(member, member == radioId);
}

// The list's selection is what a run reads as the fluid; the record follows
// it so that record and list never disagree.
void SelectionPage::setFluidSelection(bool glycol) {
    conditions_.fluidIsGlycol = glycol;
    if (fluidListGlycol_ == glycol) return;
    fluidListGlycol_ = glycol;
    notifyChanged(kFluidList);
}

void SelectionPage::clickCentrifugal() {
    checkRadio(kCentrifugalRadio);
    onCentrifugal();
}

void SelectionPage::clickScrew() {
    checkRadio(kScrewRadio);
    onScrew();
}

void SelectionPage::clickChillers() {
    if (!isEnabled(kChillersRadio)) return;
    checkRadio(kChillersRadio);
    onChillers();
}

void SelectionPage::clickHeatPump() {
    if (!isEnabled(kHeatPumpRadio)) return;
    checkRadio(kHeatPumpRadio);
    onHeatPump();
}

void SelectionPage::clickStandard(int standard) {
    const int radioId = standard == 0 ? kAhriRadio : kGbRadio;
    if (!isEnabled(radioId)) return;
    checkRadio(radioId);
    readControls();
}

void SelectionPage::clickRecoveryNone() {
    checkRadio(kRecoveryNoneRadio);
    onRecoveryRadio(kRecoveryNoneRadio);
}

void SelectionPage::selectFluid(bool glycol) {
    if (!isEnabled(kFluidList)) return;
    setFluidSelection(glycol);
    onFluidChanged();
}

}  // namespace keld
