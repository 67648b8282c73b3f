// SPDX-License-Identifier: MIT
#include "selection/significant_rounding.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "db/number_text.h"
#include "db/significant.h"

namespace keld {
namespace {

// The shown value of a magnitude from 1 to 10^15 whose fraction is far from
// carrying into the next whole number, worked out with the very arithmetic
// of the shown text: its whole digits are those of floor(magnitude), four or
// more show as the whole number (rounded half up at four), fewer give
// 4 - digits decimals, and the text's value r / 10^decimals is what a
// correctly rounded division of those two exact numbers gives, as does
// reading the text. Capacities, powers and flows all lie here, and a run
// rounds a dozen of them; other values go through the text.
std::optional<double> ShownMagnitudeQuickly(double magnitude) {
    if (!(magnitude >= 1.0 && magnitude < 1e15)) return std::nullopt;
    const double whole = std::floor(magnitude);
    // The five-decimal text carries from 0.999995 on.
    if (magnitude - whole >= 0.99999) return std::nullopt;
    int wholeDigits = 1;
    for (double limit = 10.0; whole >= limit; limit *= 10.0) ++wholeDigits;
    if (wholeDigits > 4) return whole;
    double scale = 1.0;
    for (int i = wholeDigits; i < 4; ++i) scale *= 10.0;
    const auto rounded = static_cast<std::int64_t>(std::floor(magnitude * scale + 0.5));
    return static_cast<double>(rounded) / scale;
}

}  // namespace

double RoundSignificant4(double value) {
    if (!std::isfinite(value)) return value;
    if (const std::optional<double> shown = ShownMagnitudeQuickly(std::fabs(value))) {
        return std::copysign(*shown, value);
    }
    return LeadingNumber(FormatSignificant(value, 4));
}

}  // namespace keld
