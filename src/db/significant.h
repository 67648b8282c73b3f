// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// Rounds to n significant digits (n is 3 or 4) and writes decimal text; the
// runs parse it back so later arithmetic uses the shown value. Negative values
// give their magnitude's text with a minus sign; NaN or infinity raise
// std::domain_error.
std::string FormatSignificant(double value, int n);
std::string FormatSignificant4(double value);

}  // namespace keld
