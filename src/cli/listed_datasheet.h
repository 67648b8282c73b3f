// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/datasheet_inputs.h"

namespace keld {
class SelectionSession;
}

namespace keld::cli {

// What came of writing the datasheet of a unit the selection listed.
struct DatasheetOutcome {
    std::vector<std::string> models;  // column 0 of every row the run listed
    bool written = false;             // the file holds a datasheet
    bool complete = false;            // both pages drawn, from every figure the database had to give
    std::string failure;              // why the sheet is missing or incomplete; empty when complete
    std::string fileFailure;          // the system's reason when the file could not be written
};

// After a run on the session's opened database: marks the first listed row
// of `model` (the first row of all without one) and writes that unit's
// two-page datasheet to `path` as the PDF command does from the restore of
// the row on, without opening a viewer. Message boxes go to the session's
// sink; `failure` says in one sentence what went wrong.
DatasheetOutcome WriteListedDatasheet(SelectionSession& session, const std::optional<std::string>& model,
                                      const ProjectTexts& texts, const std::string& path);

}  // namespace keld::cli
