// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::cli {

// keld-cli datasheet [OPTIONS] --model NAME --out FILE.pdf [--project T]
// [--customer T] [--distributor T] [--tag T] [--json]: runs the CALC command
// on the page set up from OPTIONS, marks the first row whose model is NAME
// and writes its two-page datasheet to FILE as the PDF command does from the
// restore of the row on, without opening a viewer. Returns kExitDone when
// the whole sheet was written; kExitFailed when the database does not open,
// the run did not list NAME, the file cannot be written (the system's reason
// on standard error), the drawing stopped early (nothing written, an earlier
// file kept), or the database could not give every figure of the run or the
// sheet (the sheet is written, and its messages printed); raises UsageError
// for wrong usage.
int RunDatasheetCommand(const std::vector<std::string>& args);

}  // namespace keld::cli
