// SPDX-License-Identifier: MIT
// The option interlocks: which controls the chosen compressor type, unit type,
// heat recovery and fluid leave enabled, and the values they force.
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"

namespace keld {

// A centrifugal run is always a chiller run on water.
void SelectionPage::onCentrifugal() {
    setEnabled(kFluidList, false);
    setFluidSelection(false);
    setEnabled(kGlycolEdit, false);
    onChillers();
    onFluidChanged();
    setChecked(kScrewRadio, false);
    setChecked(kCentrifugalRadio, true);
    setEnabled(kHeatPumpRadio, false);
    setEnabled(kChillersRadio, true);
    setChecked(kHeatPumpRadio, false);
    setChecked(kChillersRadio, true);
}

// A screw run is a heat-pump run (QHK) for the first brand and a chiller run
// (GV5) for the second.
void SelectionPage::onScrew() {
    setEnabled(kHeatPumpRadio, true);
    setEnabled(kFluidList, true);
    // The unit type and the recovery mode follow from the radios: the
    // conditions read them again below.
    if (IsSecondBrand(launch_)) {
        setEnabled(kHeatPumpRadio, false);
    } else {
        setEnabled(kChillersRadio, false);
        setChecked(kChillersRadio, false);
        setChecked(kHeatPumpRadio, true);
    }
    onHeatPump();
    setChecked(kRecoveryPartialRadio, false);
    setChecked(kRecoveryNoneRadio, true);
    readControls();
    setEnabled(kRecoveryInletEdit, false);
    setEnabled(kRecoveryOutletEdit, false);
    setEnabled(kRecoveryFoulingEdit, false);
    writeControls();
    writeControls();
}

void SelectionPage::onChillers() {
    for (int id : {kCoolingAmbientEdit, kCoolingInletEdit, kCoolingOutletEdit, kCoolingFlowEdit}) {
        setEnabled(id, true);
    }
    for (int id : {kHeatingAmbientEdit, kHeatingInletEdit, kHeatingOutletEdit, kHeatingFlowEdit,
                   kHeatingCapacityEdit}) {
        setEnabled(id, false);
    }
    readControls();
    applyStandardRule();
    writeControls();
}

// A heat pump is selected for both duties: the cooling edits stay enabled.
void SelectionPage::onHeatPump() {
    readControls();
    if (conditions_.unitType == 1) {
        for (int id : {kHeatingAmbientEdit, kHeatingInletEdit, kHeatingOutletEdit, kHeatingFlowEdit,
                       kHeatingCapacityEdit}) {
            setEnabled(id, true);
        }
    }
    applyStandardRule();
    writeControls();
}

// The GV5 screw chillers have part-load data for AHRI only.
void SelectionPage::applyStandardRule() {
    if (conditions_.compressorType == 1 && conditions_.unitType == 0) {
        conditions_.partLoadStandard = 0;
        setEnabled(kGbRadio, false);
    } else {
        setEnabled(kGbRadio, true);
    }
}

void SelectionPage::onRecoveryRadio(int clickedId) {
    readControls();
    const bool recovery = clickedId != kRecoveryNoneRadio;
    setEnabled(kRecoveryInletEdit, recovery);
    setEnabled(kRecoveryOutletEdit, recovery);
    setEnabled(kRecoveryFoulingEdit, recovery);
    writeControls();
}

// Choosing water drops any glycol percentage. The controls are read first so
// that a value typed into an integer edit (which has no kill-focus rule) is
// not overwritten by the write.
void SelectionPage::onFluidChanged() {
    if (fluidListGlycol_) {
        setEnabled(kGlycolEdit, true);
        return;
    }
    setEnabled(kGlycolEdit, false);
    readControls();
    conditions_.glycolPercent = 0;
    writeControls();
}

}  // namespace keld
