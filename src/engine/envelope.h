// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "engine/correction_result.h"
#include "engine/module_table.h"
#include "engine/selection_conditions.h"

namespace keld {

// An envelope limit a duty crossed: at this ambient the leaving water of the
// circuit must be more than (QTK) or no more than (the screw series) the limit.
struct EnvelopeLimit {
    bool heating = false;     // the hot-water circuit of a heat pump
    double ambient = 0;       // °C, as entered
    double leavingWater = 0;  // °C, the limit at that ambient
};

// The limits the duty crosses, cooling before heating; empty when it lies
// within the series' operating envelope. The envelope does not depend on the
// unit:
// - QTK: above 40 °C ambient the leaving water must be more than
//   1.5 × ambient − 56; a grid without data for the even modules (ratio 0)
//   leaves the duty outside as well.
// - QHK: below −5 °C ambient the chilled water may be at most
//   ambient × 20/3 + 205/3 and the hot water at most ambient + 60.
// - GV5: above 45 °C ambient the leaving water may be at most
//   125 − 2 × ambient. The corrections are not looked at.
std::vector<EnvelopeLimit> EnvelopeCrossings(Series series, const SelectionConditions& conditions,
                                             const CorrectionResult& corrections);

}  // namespace keld
