// SPDX-License-Identifier: MIT
#include "selection/significant_rounding.h"

#include <cmath>
#include <optional>

#include "db/number_text.h"
#include "db/significant.h"

namespace keld {

double RoundSignificant4(double value) {
    if (!std::isfinite(value)) return value;
    // A run rounds a dozen capacities, powers and flows. For them the shown
    // text's value is digits / 10^decimals, two exact numbers whose correctly
    // rounded quotient is the very double that reading the text gives.
    if (const std::optional<ShownDecimal> shown = UsualShownDecimal(std::fabs(value), 4)) {
        double scale = 1.0;
        for (int i = 0; i < shown->decimals; ++i) scale *= 10.0;
        return std::copysign(static_cast<double>(shown->digits) / scale, value);
    }
    return LeadingNumber(FormatSignificant(value, 4));
}

}  // namespace keld
