// SPDX-License-Identifier: MIT
#include "cli/datasheet_command.h"

#include <iostream>
#include <optional>
#include <utility>

#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "cli/selection_session.h"
#include "cli/usage_error.h"
#include "db/module_directory.h"
#include "db/program_identity.h"
#include "reports/datasheet_export.h"
#include "reports/pdflib.h"
#include "selection/result_columns.h"

namespace keld::cli {
namespace {

struct DatasheetOptions {
    PageOptions page;
    std::string model;
    std::string out;
    ProjectTexts texts;
    bool json = false;
};

DatasheetOptions ParseOptions(const std::vector<std::string>& args) {
    std::optional<std::string> model, out, project, customer, distributor, tag;
    const std::pair<const char*, std::optional<std::string>*> valueOptions[] = {
        {"--model", &model},
        {"--out", &out},
        {"--project", &project},
        {"--customer", &customer},
        {"--distributor", &distributor},
        {"--tag", &tag},
    };
    DatasheetOptions options;
    for (std::size_t i = 0; i < args.size();) {
        if (TakePageOption(args, i, options.page)) continue;
        if (args[i] == "--json") {
            options.json = true;
            ++i;
            continue;
        }
        std::optional<std::string>* value = nullptr;
        for (const auto& [name, target] : valueOptions) {
            if (args[i] == name) value = target;
        }
        if (value == nullptr) throw UsageError("datasheet does not know the option '" + args[i] + "'");
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
        if (value->has_value()) throw UsageError(args[i] + " is given more than once");
        *value = args[i + 1];
        i += 2;
    }
    if (!model) throw UsageError("datasheet needs --model NAME");
    if (!out) throw UsageError("datasheet needs --out FILE.pdf");
    options.model = *model;
    options.out = *out;
    options.texts = {project.value_or(""), distributor.value_or(""), customer.value_or(""), tag.value_or("")};
    return options;
}

// What the command did, for the JSON object and the exit code.
struct DatasheetOutcome {
    std::vector<std::string> models;  // column 0 of every row the run listed
    bool written = false;             // the file holds a datasheet
    bool complete = false;            // both pages were drawn to the end
};

void WriteJson(std::ostream& out, const DatasheetOptions& options, const DatasheetOutcome& outcome,
               const std::vector<CollectingSink::Message>& messages) {
    out << "{\n  \"file\": " << (outcome.written ? JsonString(options.out) : std::string("null"));
    out << ",\n  \"model\": " << JsonString(options.model);
    out << ",\n  \"complete\": " << (outcome.complete ? "true" : "false");
    out << ",\n  \"models\": [";
    for (std::size_t i = 0; i < outcome.models.size(); ++i)
        out << (i == 0 ? "" : ", ") << JsonString(outcome.models[i]);
    out << "],\n  \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        out << (i == 0 ? "\n    " : ",\n    ") << "{\"caption\": " << JsonString(messages[i].caption)
            << ", \"text\": " << JsonString(messages[i].text) << '}';
    }
    out << (messages.empty() ? "]" : "\n  ]") << "\n}\n";
}

std::string ModelList(const std::vector<std::string>& models) {
    if (models.empty()) return "it lists no model";
    std::string list = "it lists ";
    for (std::size_t i = 0; i < models.size(); ++i) list += (i == 0 ? "" : ", ") + models[i];
    return list;
}

// The selection, the row and the export on the opened database; failures
// go to stderr.
int MakeDatasheet(const DatasheetOptions& options, SelectionSession& session, DatasheetOutcome& outcome) {
    session.runSelection();

    ResultTable& results = session.page().results();
    std::optional<int> row;
    for (int r = 0; r < results.rowCount(); ++r) {
        outcome.models.push_back(results.cell(r, column::kModel));
        if (!row && results.cell(r, column::kModel) == options.model) row = r;
    }
    if (!row) {
        std::cerr << "keld-cli: the selection does not list the model " << options.model << "; "
                  << ModelList(outcome.models) << '\n';
        return kExitFailed;
    }
    results.markRow(row);

    PDFlib pdf;
    const ExportRequest request{
        pdf,        session.page(), session.database(), session.sink(), ModuleDirectory(),
        kBuildDate, options.texts,  options.out};
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
            std::cerr << "keld-cli: cannot write " << options.out << ": " << result.fileFailure << '\n';
            return kExitFailed;
        case ExportStatus::Interrupted:
            std::cerr << "keld-cli: the datasheet stopped early; nothing was written, " << options.out
                      << " is as it was\n";
            return kExitFailed;
        case ExportStatus::NoMarkedRow:
            std::cerr << "keld-cli: no row of the list is marked\n";
            return kExitFailed;
    }
    if (!outcome.complete) {
        std::cerr << "keld-cli: the datasheet in " << options.out
                  << " is incomplete: the database could not give all of its figures\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

int RunDatasheetCommand(const std::vector<std::string>& args) {
    const DatasheetOptions options = ParseOptions(args);
    SelectionSession session(options.page);
    if (!session.openDatabase()) {
        std::cerr << "keld-cli: cannot open the database " << session.databasePath() << '\n';
        // A script that asked for JSON reads the database's message there,
        // with no file written and no model listed.
        if (options.json) {
            WriteJson(std::cout, options, DatasheetOutcome{}, session.sink().messages());
        } else {
            for (const auto& message : session.sink().messages()) {
                std::cerr << '[' << message.caption << "] " << message.text << '\n';
            }
        }
        return kExitFailed;
    }
    // Without --json the message boxes are part of the readable output, in
    // the order they are shown.
    if (!options.json) session.sink().echoTo(&std::cout);

    DatasheetOutcome outcome;
    const int exitCode = MakeDatasheet(options, session, outcome);
    if (options.json) {
        WriteJson(std::cout, options, outcome, session.sink().messages());
    } else if (exitCode == kExitDone) {
        std::cout << "Datasheet of " << options.model << " written to " << options.out << '\n';
    }
    return exitCode;
}

}  // namespace keld::cli
