// SPDX-License-Identifier: MIT
#include "base/significant_rounding.h"

#include <cmath>
#include <optional>

#include "base/number_text.h"
#include "base/significant.h"

namespace keld {

double RoundSignificant4(double value) {
    if (!std::isfinite(value)) return value;
    // A run rounds a dozen capacities, powers and flows: theirs is worked
    // out without writing and reading the text.
    if (const std::optional<ShownDecimal> shown = UsualShownDecimal(std::fabs(value), 4)) {
        return std::copysign(shown->value(), value);
    }
    return LeadingNumber(FormatSignificant(value, 4));
}

}  // namespace keld
