// SPDX-License-Identifier: MIT
#include "selection/pressure_drop_text.h"

#include <cmath>

#include "base/format_text.h"
#include "base/number_text.h"
#include "base/significant.h"
#include "base/significant_rounding.h"

namespace keld {
namespace {

// Below this a module's flow ratio is taken as it is: no factor is looked up
// for a module that carries (almost) no water.
constexpr double kSmallestCorrectedRatio = 0.00001;
constexpr const char* kNoDrop = "-";

std::string DropText(double drop, const char* format) {
    if (!std::isfinite(drop)) return kNoDrop;
    return FormatText(format, drop);
}

std::string ModuleDropText(double nominalDrop, double flow, double nominalFlow, const DropFactor& factor,
                           const char* format) {
    double ratio = RoundSignificant4(flow) / nominalFlow;
    if (ratio > kSmallestCorrectedRatio) ratio = factor(ratio);
    std::string text = DropText(nominalDrop * ratio, format);
    return text.starts_with('0') ? kNoDrop : text;
}

std::string ThreeDigits(const std::string& text) {
    if (text == kNoDrop) return text;
    return FormatSignificant(LeadingNumber(text), 3);
}

}  // namespace

std::string TwoModuleDropText(const ValuePair& nominalDrops, const ValuePair& nominalFlows,
                              const ModuleFlows& moduleFlows, const DropFactor& factor, const char* format) {
    std::string left =
        ModuleDropText(nominalDrops.first, moduleFlows.first, nominalFlows.first, factor, format);
    std::string right =
        ModuleDropText(nominalDrops.second, moduleFlows.second, nominalFlows.second, factor, format);
    return FormatText("%s/%s", left.c_str(), right.c_str());
}

std::string OneModuleDropText(double nominalDrop, double flowRatio, const DropFactor& factor,
                              const char* format) {
    return DropText(nominalDrop * factor(flowRatio), format);
}

std::string ThreeDigitDropText(const std::string& dropText) {
    std::size_t slash = dropText.find('/');
    if (slash == std::string::npos) return ThreeDigits(dropText);
    return ThreeDigits(dropText.substr(0, slash)) + "/" + ThreeDigits(dropText.substr(slash + 1));
}

}  // namespace keld
