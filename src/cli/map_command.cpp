// SPDX-License-Identifier: MIT
#include "cli/map_command.h"

#include <iostream>

#include "base/module_directory.h"
#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/results_output.h"
#include "db/database_error.h"
#include "session/map_energy_model.h"
#include "session/output_guard.h"
#include "session/performance_map.h"
#include "session/performance_map_csv.h"
#include "session/performance_map_json.h"
#include "session/selection_session.h"
#include "session/usage_error.h"

namespace keld::cli {
namespace {

// An axis option takes a range when its value holds a colon, else it is the
// duty's own value, as select takes it.
std::optional<MapRange>* RangeOf(const std::string& option, MapRequest& request) {
    if (option == "--ambient") return &request.ambient;
    if (option == "--outlet") return &request.outlet;
    if (option == "--heating-ambient") return &request.heatingAmbient;
    if (option == "--heating-outlet") return &request.heatingOutlet;
    return nullptr;
}

// Writes the model to `path`, replacing an earlier file only with a whole
// one; says why on standard error when it cannot.
bool WriteIdfFile(const std::string& path, const EirChillerModel& model) {
    ResultsOutput output(path);
    std::string failure = output.open();
    if (failure.empty()) {
        WriteIdf(output.stream(), model);
        failure = output.commit();
    }
    if (failure.empty()) return true;
    std::cerr << "keld-cli: cannot write " << path << ": " << failure << '\n';
    return false;
}

}  // namespace

int RunMapCommand(const std::vector<std::string>& args) {
    MapRequest request;
    bool json = false;
    std::optional<std::string> energyPlus;
    for (std::size_t i = 0; i < args.size();) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (std::optional<MapRange>* range = RangeOf(arg, request);
            range != nullptr && hasValue && args[i + 1].find(':') != std::string::npos) {
            if (range->has_value()) throw UsageError(arg + " is given twice", arg);
            *range = ParseMapRange(arg, args[i + 1]);
            i += 2;
        } else if (TakePageOption(args, i, request.duty)) {
            continue;
        } else if (arg == "--model") {
            if (!hasValue) throw UsageError("--model needs a model name", arg);
            if (!request.model.empty()) throw UsageError("--model is given twice", arg);
            request.model = args[i + 1];
            i += 2;
        } else if (arg == "--energyplus") {
            if (!hasValue) throw UsageError("--energyplus needs the file to write, FILE.idf", arg);
            if (energyPlus) throw UsageError("--energyplus is given twice", arg);
            energyPlus = args[i + 1];
            i += 2;
        } else if (arg == "--json") {
            json = true;
            ++i;
        } else {
            throw UsageError("map does not know the option " + Quoted(arg));
        }
    }
    if (request.model.empty()) throw UsageError("map needs --model NAME: the unit to map", "--model");

    SelectionSession session(request.duty);
    if (energyPlus) {
        if (const std::string refusal =
                OutputOverAnInput(*energyPlus, ProgramFiles(session.databasePath(), ModuleDirectory()));
            !refusal.empty()) {
            std::cerr << "keld-cli: will not write the energy model to " << *energyPlus << ": " << refusal
                      << '\n';
            return kExitFailed;
        }
    }
    if (!session.openDatabase()) {
        std::cerr << "keld-cli: cannot open the database " << session.databasePath() << '\n';
        for (const auto& message : session.collected().messages()) {
            std::cerr << '[' << message.caption << "] " << EscapedForTerminal(message.text) << '\n';
        }
        return kExitFailed;
    }
    MapOutcome outcome;
    try {
        outcome = MapUnit(session.database(), request);
    } catch (const DatabaseError&) {
        ReportDatabaseFailures(session);
        throw;
    }
    if (!outcome.map) {
        // The duty itself is refused: the page's messages say why.
        std::cerr << "keld-cli: the duty is refused at its own point, so there is no map\n";
        for (const auto& message : outcome.messages) {
            std::cerr << '[' << message.caption << "] " << EscapedForTerminal(message.text) << '\n';
        }
        return kExitFailed;
    }
    std::optional<EirChillerModel> model;
    if (energyPlus) {
        try {
            model = MapEnergyModel(session.database(), request, *outcome.map);
        } catch (const EnergyModelError& error) {
            std::cerr << "keld-cli: no energy model: " << error.what() << '\n';
            return kExitFailed;
        }
        if (!WriteIdfFile(*energyPlus, *model)) return kExitFailed;
    }
    if (json) {
        Json document = MapJson(*outcome.map);
        if (model) document["energyplus"] = EirChillerJson(*model);
        document["data"] = DataStampJson(session.dataStamp());
        WriteJson(std::cout, document);
    } else {
        WriteMapCsv(std::cout, *outcome.map);
    }
    ReportDatabaseFailures(session);
    return session.databaseFailed() ? kExitFailed : kExitDone;
}

}  // namespace keld::cli
