// SPDX-License-Identifier: MIT
#include "session/page_snapshot.h"

#include <string>

#include "selection/launch_parameters.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"

namespace keld {
namespace {

// A switch digit as the launch text carries it. Only a launch text's digit
// (0 … 9) can reach a page; anything else reads back as 0, which is what a
// launch text without a digit there means.
char DigitText(int digit) { return digit >= 0 && digit <= 9 ? static_cast<char>('0' + digit) : '0'; }

std::string LaunchTextOf(const LaunchParameters& launch) {
    std::string text{DigitText(launch.FirstDigit), DigitText(launch.SecondDigit)};
    if (IsSecondBrand(launch)) text += kSecondBrand;
    return text;
}

// Whether the page computes this edit's value from the other of its circuit
// (the inlet while the flow is entered, the flow while the inlet is): a
// computed value is no input of the duty. The computed one is read-only.
bool IsComputed(const SelectionPage& page, int controlId) {
    switch (controlId) {
        case kCoolingInletEdit:
        case kCoolingFlowEdit:
        case kHeatingInletEdit:
        case kHeatingFlowEdit:
            return page.isReadOnly(controlId);
        default:
            return false;
    }
}

}  // namespace

PageOptions OptionsOfPage(const SelectionPage& page) {
    PageOptions options;
    options.launch = LaunchTextOf(page.launch());
    options.compressor = page.isChecked(kScrewRadio) ? "screw" : "centrifugal";
    options.fluid = page.fluidListShowsGlycol() ? "glycol" : "water";
    if (page.isEnabled(kGlycolEdit)) options.glycol = page.editText(kGlycolEdit);
    options.standard = page.isChecked(kGbRadio) ? "gb" : "ahri";
    // A disabled edit is no input of this configuration: a fresh page holds
    // its default there and would refuse a text that differs.
    for (const ValueOption& option : ValueOptions()) {
        if (!page.isEnabled(option.controlId) || IsComputed(page, option.controlId)) continue;
        options.values[option.controlId] = page.editText(option.controlId);
    }
    return options;
}

}  // namespace keld
