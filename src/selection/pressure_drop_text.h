// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "engine/module_table.h"

namespace keld {

// The pressure-drop cell of a unit from its module drops (kPa): a QTK unit's
// written with "%.1f", a screw unit's to 3 significant digits. Two modules
// show "left/right", and a module whose drop is below 1 kPa or not finite
// shows "-"; a single module shows "-" only when its drop is not finite.
std::string PressureDropCell(Series series, const std::vector<double>& drops);

}  // namespace keld
