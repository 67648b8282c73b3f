// SPDX-License-Identifier: MIT
#include "reports/datasheet_text.h"

#include <cmath>

#include "base/number_text.h"
#include "base/significant.h"

namespace keld {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string CanonicalModelName(std::string name, bool secondBrand) {
    if (!secondBrand) return name;
    ReplaceAll(name, "WOTA", "QTK");
    if (Contains(name, "WOH")) {
        ReplaceAll(name, "WOH", "QHK");
        ReplaceAll(name, "LQEE", "LQE");
    }
    if (Contains(name, "WOQ")) {
        ReplaceAll(name, "WOQ", "QSK");
        ReplaceAll(name, "LQEE", "LQE");
    }
    return name;
}

std::string EscapeSqlQuotes(std::string_view name) {
    std::string quoted(name);
    ReplaceAll(quoted, "'", "''");
    return quoted;
}

namespace {

// The drop a text begins with; 0 when it begins with none or with one that
// is not finite.
double DropNumber(std::string_view text) {
    const double value = LeadingNumber(text);
    return std::isfinite(value) ? value : 0;
}

std::string OnePressureDrop(std::string_view part) {
    if (part == "-") return "-";
    return FormatSignificant(DropNumber(part), 3);
}

}  // namespace

std::string PressureDropText(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return FormatSignificant(DropNumber(text), 3);
    return OnePressureDrop(text.substr(0, slash)) + "/" + OnePressureDrop(text.substr(slash + 1));
}

}  // namespace keld
