// SPDX-License-Identifier: MIT
// The page's control states (enabled, read-only, checked, the fluid list) and
// what a click on a radio or a fluid choice does before its interlock runs.
#include "selection/selection_page.h"

#include <utility>

#include "selection/page_controls.h"
#include "selection/page_edits.h"

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

bool SelectionPage::isEnabled(int controlId) const { return !disabled_.contains(controlId); }

bool SelectionPage::isReadOnly(int controlId) const { return readOnly_.contains(controlId); }

bool SelectionPage::isChecked(int radioId) const { return checked_.contains(radioId); }

void SelectionPage::setEnabled(int controlId, bool enabled) {
    if (enabled) {
        disabled_.erase(controlId);
    } else {
        disabled_.insert(controlId);
    }
}

void SelectionPage::setReadOnly(int controlId, bool readOnly) {
    if (readOnly) {
        readOnly_.insert(controlId);
    } else {
        readOnly_.erase(controlId);
    }
}

void SelectionPage::setChecked(int radioId, bool checked) {
    if (checked) {
        checked_.insert(radioId);
    } else {
        checked_.erase(radioId);
    }
}

void SelectionPage::checkRadio(int radioId) {
    for (int member : RadioGroupOf(radioId)) setChecked(member, member == radioId);
}

// The list's selection is what a run reads as the fluid; the record follows
// it so that record and list never disagree.
void SelectionPage::setFluidSelection(bool glycol) {
    fluidListGlycol_ = glycol;
    conditions_.fluidIsGlycol = glycol;
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
