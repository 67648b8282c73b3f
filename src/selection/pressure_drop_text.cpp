// SPDX-License-Identifier: MIT
#include "selection/pressure_drop_text.h"

#include <cmath>

#include "base/format_text.h"
#include "base/number_text.h"
#include "base/significant.h"

namespace keld {
namespace {

constexpr const char* kNoDrop = "-";

std::string DropText(double drop, const char* format) {
    if (!std::isfinite(drop)) return kNoDrop;
    return FormatText(format, drop);
}

// A module of a two-module unit that carries (almost) no water shows no drop.
std::string ModuleDropText(double drop, const char* format) {
    std::string text = DropText(drop, format);
    return text.starts_with('0') ? kNoDrop : text;
}

// The screw series write each drop with six decimals first, then show that
// text to 3 significant digits.
std::string ThreeDigits(const std::string& text) {
    if (text == kNoDrop) return text;
    return FormatSignificant(LeadingNumber(text), 3);
}

}  // namespace

std::string PressureDropCell(Series series, const std::vector<double>& drops) {
    const bool screw = series != Series::Qtk;
    const char* format = screw ? "%.6f" : "%.1f";
    auto shown = [screw](const std::string& text) { return screw ? ThreeDigits(text) : text; };
    if (drops.size() == 2) {
        return shown(ModuleDropText(drops[0], format)) + "/" + shown(ModuleDropText(drops[1], format));
    }
    if (drops.empty()) return kNoDrop;
    return shown(DropText(drops[0], format));
}

}  // namespace keld
