// SPDX-License-Identifier: MIT
#include "session/page_options.h"

#include <algorithm>

#include "base/quoted_text.h"
#include "selection/page/page_controls.h"
#include "session/usage_error.h"

namespace keld {
namespace {

// The circuits whose inlet and flow exclude each other: the page computes
// whichever of the two is not entered.
constexpr std::pair<int, int> kInletFlowPairs[] = {{kCoolingInletEdit, kCoolingFlowEdit},
                                                   {kHeatingInletEdit, kHeatingFlowEdit}};

const char* NameOf(int controlId) {
    for (const ValueOption& option : ValueOptions()) {
        if (option.controlId == controlId) return option.name;
    }
    return "";
}

void RefuseInletWithFlow(const PageOptions& options, int controlId) {
    for (auto [inlet, flow] : kInletFlowPairs) {
        const int other = controlId == inlet ? flow : controlId == flow ? inlet : 0;
        if (other != 0 && options.values.contains(other)) {
            throw UsageError(std::string(NameOf(controlId)) + " and " + NameOf(other) +
                             " cannot be given together: a circuit has either its inlet temperature or its "
                             "flow entered, the other is computed");
        }
    }
}

void TakeChoice(std::optional<std::string>& target, const std::string& option, const std::string& value,
                std::initializer_list<const char*> words) {
    if (std::none_of(words.begin(), words.end(), [&](const char* word) { return value == word; })) {
        std::string allowed;
        for (const char* word : words) allowed += allowed.empty() ? word : std::string("|") + word;
        throw UsageError(option + " takes " + allowed + ", not " + Quoted(value));
    }
    target = value;
}

}  // namespace

const std::vector<ValueOption>& ValueOptions() {
    static const std::vector<ValueOption> options = {
        {"--cooling-capacity", kCoolingCapacityEdit},
        {"--heating-capacity", kHeatingCapacityEdit},
        {"--tolerance", kToleranceEdit},
        {"--ambient", kCoolingAmbientEdit},
        {"--inlet", kCoolingInletEdit},
        {"--outlet", kCoolingOutletEdit},
        {"--flow", kCoolingFlowEdit},
        {"--heating-ambient", kHeatingAmbientEdit},
        {"--heating-inlet", kHeatingInletEdit},
        {"--heating-outlet", kHeatingOutletEdit},
        {"--heating-flow", kHeatingFlowEdit},
        {"--fouling", kFoulingEdit},
        {"--altitude", kAltitudeEdit},
    };
    return options;
}

bool TakePageOption(const std::vector<std::string>& args, std::size_t& index, PageOptions& options) {
    const std::string& option = args[index];
    const auto value = [&]() -> const std::string& {
        if (index + 1 >= args.size()) throw UsageError(option + " needs a value");
        return args[index + 1];
    };
    const auto once = [&](bool alreadyGiven) {
        if (alreadyGiven) throw UsageError(option + " is given more than once");
    };

    if (option == "--database") {
        once(options.database.has_value());
        options.database = value();
    } else if (option == "--launch") {
        once(options.launch.has_value());
        options.launch = value();
    } else if (option == "--compressor") {
        once(options.compressor.has_value());
        TakeChoice(options.compressor, option, value(), {"centrifugal", "screw"});
    } else if (option == "--fluid") {
        once(options.fluid.has_value());
        TakeChoice(options.fluid, option, value(), {"water", "glycol"});
    } else if (option == "--glycol") {
        once(options.glycol.has_value());
        options.glycol = value();
    } else if (option == "--standard") {
        once(options.standard.has_value());
        TakeChoice(options.standard, option, value(), {"ahri", "gb"});
    } else {
        auto found = std::find_if(ValueOptions().begin(), ValueOptions().end(),
                                  [&](const ValueOption& v) { return option == v.name; });
        if (found == ValueOptions().end()) return false;
        once(options.values.contains(found->controlId));
        RefuseInletWithFlow(options, found->controlId);
        options.values[found->controlId] = value();
    }
    index += 2;
    return true;
}

std::vector<std::string> PageOptionNames() {
    std::vector<std::string> names = {"--database", "--launch", "--compressor",
                                      "--fluid",    "--glycol", "--standard"};
    for (const ValueOption& option : ValueOptions()) names.emplace_back(option.name);
    return names;
}

const char* PageOptionsUsage() {
    return "  --database PATH        the performance database (default: KELD_Vortan.tbs beside the program)\n"
           "  --launch TEXT          the launch text: two digits and the brand word\n"
           "  --compressor centrifugal|screw\n"
           "  --cooling-capacity N   --heating-capacity N   --tolerance N      (kW, kW, %)\n"
           "  --ambient T  --inlet T  --outlet T  --flow Q                     (cooling side)\n"
           "  --heating-ambient T  --heating-inlet T  --heating-outlet T  --heating-flow Q\n"
           "  --fluid water|glycol   --glycol N\n"
           "  --fouling F            --altitude H                              (m2K/kW, m)\n"
           "  --standard ahri|gb\n";
}

}  // namespace keld
