// SPDX-License-Identifier: MIT
#pragma once

#include "engine/selection_conditions.h"

namespace keld {

// The field of SelectionConditions that the real edit `controlId` shows;
// null for any other control.
float SelectionConditions::*RealFieldOf(int controlId);

}  // namespace keld
