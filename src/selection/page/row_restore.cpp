// SPDX-License-Identifier: MIT
// Marking a result row puts the inputs that row was computed for back on the
// page, so that the page and a datasheet show the row's own conditions.
#include <string>

#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"

namespace keld {
namespace {

// QTK (WOTA for the second brand) are the centrifugal chillers.
bool IsCentrifugalModel(const std::string& modelName) {
    return modelName.find("QTK") != std::string::npos || modelName.find("WOTA") != std::string::npos;
}

void CopyCoolingInputs(const ModelResult& record, SelectionConditions& c) {
    c.coolingAmbientTemp = record.coolingAmbientTemp;
    c.coolingInletTemp = record.coolingInletTemp;
    c.coolingWaterFlow = record.coolingWaterFlow;
    c.coolingOutletTemp = record.coolingOutletTemp;
    c.tolerancePercent = record.tolerancePercent;
    c.coolingCapacityRequired = record.coolingCapacityRequired;
    c.altitude = static_cast<float>(record.altitude);
    c.foulingFactor = record.foulingFactor;
}

}  // namespace

void SelectionPage::RestoreInputsFromRow() {
    std::optional<int> marked = results_.markedRow();
    if (!marked) return;
    const ModelResult* record = results_.recordOfRow(*marked);
    if (record == nullptr) return;
    // The record stays owned by the list; work on a copy so that nothing the
    // handlers do can pull it away mid-restore.
    const ModelResult stored = *record;
    if (IsCentrifugalModel(stored.modelName)) {
        restoreCentrifugalRow(stored);
    } else {
        restoreScrewRow(stored);
    }
}

// Heating inputs and the fluid are left as they are.
void SelectionPage::restoreCentrifugalRow(const ModelResult& record) {
    conditions_.compressorType = 0;
    conditions_.unitType = 0;
    writeControls();
    onCentrifugal();

    CopyCoolingInputs(record, conditions_);
    writeControls();
    normaliseField(kCoolingFlowEdit);
    normaliseField(kCoolingInletEdit);
    setCoolingFlowEntered(record.coolingFlowEntered);

    conditions_.recoveryInletTemp = 50;
    conditions_.recoveryOutletTemp = 55;
    conditions_.recoveryFoulingFactor = 0.018f;
    conditions_.recoveryMode = 0;
    writeControls();
    onRecoveryRadio(kRecoveryNoneRadio);
}

// The unit type, heat recovery, refrigerant and version are left as they are.
void SelectionPage::restoreScrewRow(const ModelResult& record) {
    conditions_.compressorType = 1;
    writeControls();
    onScrew();

    CopyCoolingInputs(record, conditions_);
    conditions_.heatingCapacityRequired = record.heatingCapacityRequired;
    conditions_.heatingAmbientTemp = static_cast<float>(record.heatingAmbientTemp);
    conditions_.heatingInletTemp = static_cast<float>(record.heatingInletTemp);
    conditions_.heatingOutletTemp = static_cast<float>(record.heatingOutletTemp);
    conditions_.heatingWaterFlow = static_cast<float>(record.heatingWaterFlow);

    if (record.isWater == 0) {
        setFluidSelection(true);
        conditions_.glycolPercent = record.glycolPercent;
        setEnabled(kGlycolEdit, true);
    } else {
        setFluidSelection(false);
        conditions_.glycolPercent = 0;
        setEnabled(kGlycolEdit, false);
    }

    writeControls();
    for (int id : {kCoolingFlowEdit, kCoolingInletEdit, kHeatingFlowEdit, kHeatingInletEdit}) {
        normaliseField(id);
    }
    setCoolingFlowEntered(record.coolingFlowEntered);
    setHeatingFlowEntered(record.heatingFlowEntered);
}

}  // namespace keld
