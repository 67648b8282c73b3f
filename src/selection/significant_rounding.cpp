// SPDX-License-Identifier: MIT
#include "selection/significant_rounding.h"

#include <cmath>

#include "db/number_text.h"
#include "db/significant.h"

namespace keld {
double RoundSignificant4(double value) {
    if (!std::isfinite(value)) return value;
    return LeadingNumber(FormatSignificant(value, 4));
}

}  // namespace keld
