// SPDX-License-Identifier: MIT
// A map types a duty's fixed inputs once and each point's temperatures on a
// copy of that page: at every place the options may be split, the copy must
// end as the page the whole options make at once, messages included.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "selection/launch_parameters.h"
#include "selection/page/selection_page.h"
#include "session/apply_page_options.h"
#include "session/collecting_sink.h"
#include "shipped_options.h"

namespace keld {
namespace {

std::vector<std::string> Shown(const SelectionPage& page, const CollectingSink& messages) {
    std::vector<std::string> shown;
    for (int id : SelectionPage::ControlIds()) {
        const ControlState state = page.controlState(id);
        shown.push_back(std::to_string(id) + " '" + state.text + "'" + (state.enabled ? "" : " disabled") +
                        (state.readOnly ? " read-only" : "") + (state.checked ? " checked" : ""));
    }
    for (const auto& message : messages.messages())
        shown.push_back("[" + message.caption + "] " + message.text);
    return shown;
}

// Duties whose later inputs depend on earlier ones: a low leaving water
// that raises the glycol, an entered flow, the heating circuit, values the
// page normalises on leaving (a fouling factor off its list, a tolerance
// beyond its range), and the second brand.
const std::vector<std::string> kDuties[] = {
    {"--cooling-capacity", "450", "--ambient", "33.5", "--outlet", "8.5", "--inlet", "13.5"},
    {"--compressor", "screw", "--cooling-capacity", "450", "--fluid", "glycol", "--glycol", "10", "--ambient",
     "30", "--outlet", "-4", "--heating-ambient", "3.5", "--heating-outlet", "42.5", "--heating-inlet", "38"},
    {"--launch", "14BREXAL", "--compressor", "screw", "--cooling-capacity", "950", "--flow", "40",
     "--ambient", "41", "--outlet", "6", "--fouling", "0.03", "--altitude", "1200"},
    {"--cooling-capacity", "-5", "--tolerance", "250", "--ambient", "60", "--outlet", "99"},
};

TEST(SplitPageOptionsAt, TheTwoPartsOnACopyMakeThePageTheWholeMakes) {
    for (const auto& args : kDuties) {
        const PageOptions options = test::ShippedOptionsOf(args);
        const LaunchParameters launch = DecodeLaunchText(options.launch.value_or(""));
        CollectingSink wholeMessages;
        SelectionPage whole(launch, wholeMessages);
        ApplyPageOptions(whole, options);
        const std::vector<std::string> expected = Shown(whole, wholeMessages);

        for (const ValueOption& at : ValueOptions()) {
            const auto [before, from] = SplitPageOptionsAt(options, at.controlId);
            EXPECT_EQ(before.values.size() + from.values.size(), options.values.size());
            EXPECT_FALSE(before.values.contains(at.controlId)) << at.name;
            EXPECT_EQ(from.values.contains(at.controlId), options.values.contains(at.controlId)) << at.name;
            CollectingSink fixedMessages;
            SelectionPage fixed(launch, fixedMessages);
            ApplyPageOptions(fixed, before);
            CollectingSink copyMessages = fixedMessages;
            SelectionPage copy(fixed, copyMessages);
            const std::size_t fixedCount = fixedMessages.messages().size();
            ApplyPageOptions(copy, from);
            EXPECT_EQ(Shown(copy, copyMessages), expected) << args[1] << " split at " << at.name;
            // The copy speaks through its own sink only.
            EXPECT_EQ(fixedMessages.messages().size(), fixedCount);
        }
    }
}

}  // namespace
}  // namespace keld
