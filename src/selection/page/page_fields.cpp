// SPDX-License-Identifier: MIT
// Typing into the page's edits, the flow-or-inlet choice made by focusing an
// edit, and the normalisation when the user leaves a field.
#include <stdexcept>
#include <string>

#include "selection/page/field_normalisation.h"
#include "selection/page/page_controls.h"
#include "selection/page/page_exchange.h"
#include "selection/page/selection_page.h"

namespace keld {

void SelectionPage::setEditText(int controlId, const std::string& text) {
    if (!editTexts_.contains(controlId)) {
        throw std::out_of_range("no edit " + std::to_string(controlId) + " on the selection page");
    }
    storeEditText(controlId, text);
}

const std::string& SelectionPage::editText(int controlId) const { return editTexts_.at(controlId).text; }

void SelectionPage::setCoolingFlowEntered(bool flowEntered) {
    setReadOnly(kCoolingFlowEdit, !flowEntered);
    setReadOnly(kCoolingInletEdit, flowEntered);
}

void SelectionPage::setHeatingFlowEntered(bool flowEntered) {
    setReadOnly(kHeatingFlowEdit, !flowEntered);
    setReadOnly(kHeatingInletEdit, flowEntered);
}

void SelectionPage::focusField(int controlId) {
    if (!isEnabled(controlId)) return;
    switch (controlId) {
        case kCoolingFlowEdit:
            setCoolingFlowEntered(true);
            break;
        case kCoolingInletEdit:
            setCoolingFlowEntered(false);
            break;
        case kHeatingFlowEdit:
            setHeatingFlowEntered(true);
            break;
        case kHeatingInletEdit:
            setHeatingFlowEntered(false);
            break;
        default:
            break;
    }
}

void SelectionPage::leaveField(int controlId) {
    if (!isEnabled(controlId) || !HasLeaveNormalisation(controlId)) return;
    normaliseField(controlId);
}

// A failed read still normalises the record as it stands and writes it back,
// so a text that is not a number reverts to the field's last value.
void SelectionPage::normaliseField(int controlId) {
    float SelectionConditions::*field = RealFieldOf(controlId);
    if (field == nullptr) return;
    readControls();
    conditions_.*field = NormaliseOnLeave(controlId, conditions_.*field);
    writeControls();
}

}  // namespace keld
