// SPDX-License-Identifier: MIT
#include "cli/datasheet_command.h"

#include <iostream>
#include <optional>
#include <utility>

#include "base/module_directory.h"
#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/listed_datasheet.h"
#include "session/output_guard.h"
#include "session/selection_json.h"
#include "session/selection_session.h"
#include "session/usage_error.h"

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
        if (value == nullptr) throw UsageError("datasheet does not know the option " + Quoted(args[i]));
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

void WriteJson(std::ostream& out, const DatasheetOptions& options, const DatasheetOutcome& outcome,
               const std::vector<CollectingSink::Message>& messages, const DataStamp& data) {
    keld::WriteJson(out, Json{
                             {"file", outcome.written ? Json(options.out) : Json(nullptr)},
                             {"model", options.model},
                             {"complete", outcome.complete},
                             {"models", outcome.models},
                             {"messages", MessagesJson(messages)},
                             {"data", DataStampJson(data)},
                         });
}

}  // namespace

int RunDatasheetCommand(const std::vector<std::string>& args) {
    const DatasheetOptions options = ParseOptions(args);
    SelectionSession session(options.page);
    if (const std::string refusal =
            OutputOverAnInput(options.out, ProgramFiles(session.databasePath(), ModuleDirectory()));
        !refusal.empty()) {
        std::cerr << "keld-cli: will not write the datasheet to " << options.out << ": " << refusal << '\n';
        return kExitFailed;
    }
    if (!session.openDatabase()) {
        std::cerr << "keld-cli: cannot open the database " << session.databasePath() << '\n';
        // A script that asked for JSON reads the database's message there,
        // with no file written and no model listed.
        if (options.json) {
            WriteJson(std::cout, options, DatasheetOutcome{}, session.collected().messages(),
                      session.dataStamp());
        } else {
            for (const auto& message : session.collected().messages()) {
                std::cerr << '[' << message.caption << "] " << message.text << '\n';
            }
        }
        return kExitFailed;
    }
    // Without --json the message boxes are part of the readable output, in
    // the order they are shown.
    if (!options.json) session.collected().echoTo(&std::cout);

    session.runSelection();
    const DatasheetOutcome outcome = WriteListedDatasheet(session, options.model, options.texts, options.out);
    ReportDatabaseFailures(session);
    if (!outcome.failure.empty()) std::cerr << "keld-cli: " << outcome.failure << '\n';
    const int exitCode = outcome.failure.empty() ? kExitDone : kExitFailed;
    if (options.json) {
        WriteJson(std::cout, options, outcome, session.collected().messages(), session.dataStamp());
    } else if (exitCode == kExitDone) {
        std::cout << "Datasheet of " << options.model << " written to " << options.out << '\n';
    }
    return exitCode;
}

}  // namespace keld::cli
