// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "selection/correction_result.h"
#include "selection/launch_parameters.h"
#include "selection/result_table.h"
#include "selection/selection_conditions.h"

namespace keld {

class MessageSink;

// The selection page without its widgets: the record of inputs, the texts and
// enabled/read-only states of its controls, the option interlocks, the field
// normalisation on leaving a field, the input checks, the corrections of the
// last run and the result list. The window shows this state; keld-cli and the
// tests drive it directly.
//
// Control ids are the page's own (1001 … 1035, see page_controls.h).
class SelectionPage {
public:
    SelectionPage(LaunchParameters launch, MessageSink& messages);

    const LaunchParameters& launch() const { return launch_; }
    MessageSink& messages() { return messages_; }

    SelectionConditions& conditions() { return conditions_; }
    CorrectionResult& corrections() { return corrections_; }
    ResultTable& results() { return results_; }

    // Data exchange. readControls() takes the edit texts into the record in
    // the page's control order; the first text that is not a number of its
    // field's kind shows "请输入一个数字。" or "请输入一个整数。" and stops
    // (earlier fields taken over, later ones unchanged), returning false.
    bool readControls();
    void writeControls();

    // What the user types into an edit, and the kill-focus normalisation
    // (one decimal for ambients, two for water temperatures, four significant
    // digits for flows, the fouling rule, whole metres).
    void setEditText(int controlId, const std::string& text);
    const std::string& editText(int controlId) const;
    void leaveField(int controlId);
    // Focusing a flow edit makes the flow the entered value of its circuit;
    // focusing the inlet edit makes the inlet entered again.
    void focusField(int controlId);

    bool isEnabled(int controlId) const;
    bool isReadOnly(int controlId) const;

    // Option interlocks (button clicks and the fluid list).
    void clickCentrifugal();
    void clickScrew();
    void clickChillers();
    void clickHeatPump();
    void clickStandard(int standard);  // 0 AHRI, 1 GB
    void selectFluid(bool glycol);

    // Input checks; each shows its own message on failure.
    bool ValidateCentrifugalInputs();
    bool ValidateScrewInputs();

    // Copies the inputs stored with the marked row back into the page.
    void RestoreInputsFromRow();

private:
    // (representation is the page's own choice)
    LaunchParameters launch_;
    MessageSink& messages_;
    SelectionConditions conditions_;
    CorrectionResult corrections_;
    ResultTable results_;
};

}  // namespace keld
