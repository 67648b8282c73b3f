// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

#include "engine/correction_result.h"
#include "engine/selection_conditions.h"
#include "selection/launch_parameters.h"
#include "selection/observer_list.h"
#include "selection/page/page_observer.h"
#include "selection/result_table.h"

namespace keld {

class MessageSink;

// The selection page without its widgets: the record of inputs, the texts and
// enabled/read-only states of its controls, the option interlocks, the field
// normalisation on leaving a field, the input checks, the corrections of the
// last run and the result list. The window shows this state; keld-cli and the
// tests drive it directly.
//
// Control ids are the page's own (1001 … 1035, see page_controls.h). Calls
// that take a control id raise std::out_of_range for an id that is not an
// edit of the page (editText, setEditText); the others ignore ids they have
// nothing to do for.
class SelectionPage {
public:
    // Sets the page up as the window opens it: the defaults written into the
    // edits, "Water" selected and the "Centrifugal" interlock run. The page
    // keeps a reference to `messages` for its whole life.
    SelectionPage(LaunchParameters launch, MessageSink& messages);
    // A page standing as `standing` does (edits, radios, interlock states,
    // conditions and corrections) with an empty result list, no observers and
    // its messages shown through `messages`: a performance map types each
    // point's temperatures on a copy of the page the duty's other inputs made.
    SelectionPage(const SelectionPage& standing, MessageSink& messages);

    const LaunchParameters& launch() const { return launch_; }
    MessageSink& messages() { return messages_; }

    SelectionConditions& conditions() { return conditions_; }
    CorrectionResult& corrections() { return corrections_; }
    ResultTable& results() { return results_; }

    // Data exchange. readControls() takes the edit texts into the record in
    // the page's control order; the first text that is not a number of its
    // field's kind shows "请输入一个数字。" or "请输入一个整数。" (caption
    // "JVT") and stops (earlier fields taken over, later ones unchanged),
    // returning false. fluidIsGlycol is the fluid list's selection and the two
    // flow flags are the read-only states of the flow edits, taken at every
    // read. writeControls() writes every field back ("%.6g" for reals, "%d"
    // for integers), checks the radios of the radio fields and selects the
    // fluid list entry of fluidIsGlycol.
    bool readControls();
    void writeControls();

    // What the user types into an edit, and the kill-focus normalisation
    // (one decimal for ambients, two for water temperatures, four significant
    // digits for flows, the fouling rule, whole metres). leaveField reads the
    // controls, normalises its own field and writes the controls; it does
    // nothing for the integer edits, which have no such rule. A disabled edit
    // can neither take nor lose the focus: both calls ignore it.
    void setEditText(int controlId, const std::string& text);
    const std::string& editText(int controlId) const;
    void leaveField(int controlId);
    // Focusing a flow edit makes the flow the entered value of its circuit;
    // focusing the inlet edit makes the inlet entered again.
    void focusField(int controlId);

    bool isEnabled(int controlId) const;
    bool isReadOnly(int controlId) const;
    bool isChecked(int radioId) const;
    bool fluidListShowsGlycol() const { return fluidListGlycol_; }

    // Every control a window shows for the page (radios, edits, the fluid
    // list), in the page's control order, and what one of them shows.
    // controlState raises std::out_of_range for any other id.
    static std::span<const int> ControlIds();
    ControlState controlState(int controlId) const;

    // `observer` is told of every change of a control from now on, after
    // those that subscribed before it, until the subscription is reset or
    // destroyed. The page tells it from inside its own operations, so it must
    // not call back into them.
    [[nodiscard]] Subscription subscribe(PageObserver& observer) { return observers_.subscribe(observer); }

    // Option interlocks (button clicks and the fluid list). A click checks the
    // clicked radio of its group, as the window's radios do, then runs the
    // interlock. A disabled control cannot be clicked: such a call does
    // nothing.
    void clickCentrifugal();
    void clickScrew();
    void clickChillers();
    void clickHeatPump();
    void clickStandard(int standard);  // 0 AHRI, 1 GB
    void clickRecoveryNone();
    void selectFluid(bool glycol);

    // Input checks; each shows its own message on failure and returns false.
    // ValidateScrewInputs may raise glycolPercent for a low leaving water
    // temperature and switch the fluid to glycol (it writes the controls).
    bool ValidateCentrifugalInputs();
    bool ValidateScrewInputs();

    // Copies the inputs stored with the marked row back into the page; does
    // nothing when no row is marked or the row has no record.
    void RestoreInputsFromRow();

private:
    // Interlocks as the page runs them, also from its own code.
    void onCentrifugal();
    void onScrew();
    void onChillers();
    void onHeatPump();
    void onRecoveryRadio(int clickedId);
    void onFluidChanged();
    void applyStandardRule();
    // The kill-focus normalisation of one edit: read, normalise, write.
    void normaliseField(int controlId);

    // An edit's text, and what is known of it as a number: the value it
    // reads as and the value it was written from. The page is read and
    // written whole whenever a field is left, so these spare converting the
    // numbers of the fields whose text did not change; a new text forgets
    // both.
    struct EditField {
        std::string text;
        std::optional<float> readAs;
        std::optional<float> writtenFrom;
    };
    // `writtenFrom`: the number `text` was written from, when it was.
    void storeEditText(int controlId, const std::string& text,
                       std::optional<float> writtenFrom = std::nullopt);
    std::optional<float> readRealEdit(int controlId);
    void writeRealEdit(int controlId, float value);
    void notifyChanged(int controlId);
    void setEnabled(int controlId, bool enabled);
    void setReadOnly(int controlId, bool readOnly);
    void setChecked(int radioId, bool checked);
    void checkRadio(int radioId);  // and uncheck the others of its group
    void setFluidSelection(bool glycol);
    // Which of flow and inlet is the entered value of a circuit.
    void setCoolingFlowEntered(bool flowEntered);
    void setHeatingFlowEntered(bool flowEntered);
    // Screw checks, per branch.
    bool validateHeatPumpInputs();
    bool validateScrewChillerInputs();
    void raiseGlycolForLowLeavingWater();
    void switchToGlycolForLowLeavingWater();
    void restoreCentrifugalRow(const ModelResult& record);
    void restoreScrewRow(const ModelResult& record);

    LaunchParameters launch_;
    MessageSink& messages_;
    SelectionConditions conditions_;
    CorrectionResult corrections_;
    ResultTable results_;

    std::map<int, EditField> editTexts_;
    std::set<int> disabled_;
    std::set<int> readOnly_;
    std::set<int> checked_;
    bool fluidListGlycol_ = false;
    ObserverList<PageObserver> observers_;
};

}  // namespace keld
