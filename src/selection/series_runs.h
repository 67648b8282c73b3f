// SPDX-License-Identifier: MIT
#pragma once

#include "selection/run_selection.h"

namespace keld {

// The three selection runs behind RunSelection, one per series, on the
// conditions RunSelection has just read from the controls. Each checks them
// and runs to its closing messages. The
// program's errors raised before the candidate walk (DatabaseError,
// InvalidArgumentError) leave the list untouched and reach the caller.
RunOutcome RunQtkSelection(SelectionPage& page, PerformanceDatabase& db);
RunOutcome RunQhkSelection(SelectionPage& page, PerformanceDatabase& db);
RunOutcome RunGv5Selection(SelectionPage& page, PerformanceDatabase& db);

}  // namespace keld
