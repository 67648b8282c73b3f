// SPDX-License-Identifier: MIT
#include "cli/listed_datasheet.h"

#include "base/module_directory.h"
#include "base/program_identity.h"
#include "reports/datasheet_export.h"
#include "reports/pdflib.h"
#include "selection/result_columns.h"
#include "session/selection_session.h"

namespace keld::cli {
namespace {

std::string ModelList(const std::vector<std::string>& models) {
    if (models.empty()) return "it lists no model";
    std::string list = "it lists ";
    for (std::size_t i = 0; i < models.size(); ++i) list += (i == 0 ? "" : ", ") + models[i];
    return list;
}

}  // namespace

DatasheetOutcome WriteListedDatasheet(SelectionSession& session, const std::optional<std::string>& model,
                                      const ProjectTexts& texts, const std::string& path) {
    DatasheetOutcome outcome;
    ResultTable& results = session.page().results();
    std::optional<int> row;
    for (int r = 0; r < results.rowCount(); ++r) {
        outcome.models.push_back(results.cell(r, column::kModel));
        if (!row && (!model || results.cell(r, column::kModel) == *model)) row = r;
    }
    if (!row) {
        outcome.failure =
            model ? "the selection does not list the model " + *model + "; " + ModelList(outcome.models)
                  : "the selection lists no unit";
        return outcome;
    }
    results.markRow(row);

    PDFlib pdf;
    const ExportRequest request{
        pdf, session.page(), session.database(), session.collected(), ModuleDirectory(), kBuildDate, texts,
        path};
    const ExportResult result = ExportDatasheet(request);
    outcome.written = result.status == ExportStatus::Written;
    // A figure the database could not give, in the run or on the sheet,
    // leaves a blank or a zero where a value belongs.
    outcome.complete = outcome.written && result.complete && !session.databaseFailed();
    switch (result.status) {
        case ExportStatus::Written:
            break;
        case ExportStatus::OpenFailed:
        case ExportStatus::SaveFailed:
            outcome.failure = "cannot write " + path + ": " + result.fileFailure;
            outcome.fileFailure = result.fileFailure;
            return outcome;
        case ExportStatus::Interrupted:
            outcome.failure = "the datasheet stopped early; nothing was written, " + path + " is as it was";
            return outcome;
        case ExportStatus::NoMarkedRow:
            outcome.failure = "no row of the list is marked";
            return outcome;
    }
    if (!outcome.complete) {
        outcome.failure =
            "the datasheet in " + path + " is incomplete: the database could not give all of its figures";
    }
    return outcome;
}

}  // namespace keld::cli
