// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "engine/module_table.h"

namespace keld {

// The model name the list shows and the result record keeps. The database
// holds first-brand names; with the brand "BREXAL" every series prefix of the
// name is replaced (QTK → WOTA; QHK → WOH and QSK → WOQ, each with an "E"
// appended), so "QHK245GP5-LQE" shows as "WOH245GP5-LQEE". Any other brand
// shows the stored name unchanged.
std::string ShownModelName(const std::string& storedName, Series series, const std::string& brand);

// Whether the launch hides a GV5 unit whose first module is `firstModule`:
// launch digit 4 hides the units built on the 260, 325 and 380 modules.
bool HiddenByLaunch(int secondDigit, int firstModule);

}  // namespace keld
