// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::cli {

// keld-cli batch SCHEDULE.csv [--database PATH] [--launch TEXT]
// [--out RESULTS.csv | --json] [--datasheets DIR [--project T] [--customer T]
// [--distributor T]]: one selection per line of an equipment schedule, each on
// a fresh page over the one opened database, exactly as `select` with the
// line's cells as its options; the results go out duty by duty. A line that
// cannot be run is reported on standard error and in the results, and the
// others run all the same. Returns kExitDone when every line was done,
// kExitFailed when a line failed (a value refused, a database error, a
// datasheet not written) or the schedule, the database or the results file
// cannot be opened; raises UsageError for wrong usage and for a schedule whose
// header names a column that is no option.
int RunBatchCommand(const std::vector<std::string>& args);

}  // namespace keld::cli
