// SPDX-License-Identifier: MIT
#include "session/apply_page_options.h"

#include <string>

#include "base/quoted_text.h"
#include "selection/page/edit_numbers.h"
#include "selection/page/field_normalisation.h"
#include "selection/page/page_controls.h"
#include "selection/page/page_edits.h"
#include "selection/page/selection_page.h"
#include "session/usage_error.h"

namespace keld {
namespace {

// The configuration the page is in, in the words of its radios and list.
std::string Configuration(const SelectionPage& page) {
    std::string text = page.isChecked(kScrewRadio) ? "screw" : "centrifugal";
    text += page.isChecked(kHeatPumpRadio) ? " heat pump" : " chiller";
    text += page.fluidListShowsGlycol() ? " on glycol" : " on water";
    return text;
}

[[noreturn]] void RefuseDisabled(const SelectionPage& page, const std::string& option,
                                 const std::string& value, const std::string& shown) {
    throw UsageError(option + " " + value + " is refused: the page disables that input for a " +
                         Configuration(page) + " (it holds " + shown + ")",
                     option);
}

// The text the edit would show once the typed value had been read and its
// field left: how a value is compared with what a disabled edit holds.
std::string ShownAfterLeaving(int controlId, const std::string& typed) {
    if (IsIntegerEdit(controlId)) return IntegerEditText(*ParseIntegerText(typed));
    return RealEditText(NormaliseOnLeave(controlId, *ParseRealText(typed)));
}

void TypeValue(SelectionPage& page, const std::string& option, int controlId, const std::string& typed) {
    if (!IsNumberFor(controlId, typed)) {
        throw UsageError(option + " " + Quoted(typed) + ": " + NotANumberPrompt(controlId), option);
    }
    if (!page.isEnabled(controlId)) {
        const std::string& shown = page.editText(controlId);
        if (ShownAfterLeaving(controlId, typed) != shown) RefuseDisabled(page, option, typed, shown);
        return;
    }
    page.focusField(controlId);
    page.setEditText(controlId, typed);
    page.leaveField(controlId);
}

void ChooseFluid(SelectionPage& page, const std::string& fluid) {
    const bool glycol = fluid == "glycol";
    if (!page.isEnabled(kFluidList)) {
        if (glycol != page.fluidListShowsGlycol()) {
            RefuseDisabled(page, "--fluid", fluid, page.fluidListShowsGlycol() ? "glycol" : "water");
        }
        return;
    }
    page.selectFluid(glycol);
}

void ChooseStandard(SelectionPage& page, const std::string& standard) {
    const int radioId = standard == "gb" ? kGbRadio : kAhriRadio;
    if (!page.isEnabled(radioId)) {
        if (!page.isChecked(radioId)) {
            RefuseDisabled(page, "--standard", standard, page.isChecked(kGbRadio) ? "gb" : "ahri");
        }
        return;
    }
    page.clickStandard(radioId == kGbRadio ? 1 : 0);
}

}  // namespace

void ApplyPageOptions(SelectionPage& page, const PageOptions& options) {
    if (options.compressor) {
        if (*options.compressor == "screw") {
            page.clickScrew();
        } else {
            page.clickCentrifugal();
        }
    }
    if (options.fluid) ChooseFluid(page, *options.fluid);
    if (options.glycol) TypeValue(page, "--glycol", kGlycolEdit, *options.glycol);
    if (options.standard) ChooseStandard(page, *options.standard);
    for (const ValueOption& option : ValueOptions()) {
        auto typed = options.values.find(option.controlId);
        if (typed != options.values.end()) TypeValue(page, option.name, option.controlId, typed->second);
    }
}

std::pair<PageOptions, PageOptions> SplitPageOptionsAt(const PageOptions& options, int controlId) {
    PageOptions before = options;
    PageOptions from;
    bool reached = false;
    for (const ValueOption& option : ValueOptions()) {
        reached = reached || option.controlId == controlId;
        auto typed = before.values.find(option.controlId);
        if (reached && typed != before.values.end()) from.values.insert(before.values.extract(typed));
    }
    return {std::move(before), std::move(from)};
}

}  // namespace keld
