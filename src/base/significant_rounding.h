// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// Rounds to 4 significant digits as the list shows the value and reads the
// shown text back, so that later arithmetic works on the shown value. A value
// that is not finite is returned unchanged (it is never shown).
double RoundSignificant4(double value);

}  // namespace keld
