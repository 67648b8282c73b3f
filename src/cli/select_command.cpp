// SPDX-License-Identifier: MIT
#include "cli/select_command.h"

#include <iostream>

#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/table_printer.h"
#include "session/selection_json.h"
#include "session/selection_session.h"
#include "session/usage_error.h"

namespace keld::cli {

int RunSelectCommand(const std::vector<std::string>& args) {
    PageOptions options;
    bool json = false;
    for (std::size_t i = 0; i < args.size();) {
        if (TakePageOption(args, i, options)) continue;
        if (args[i] != "--json") throw UsageError("select does not know the option " + Quoted(args[i]));
        json = true;
        ++i;
    }

    SelectionSession session(options);
    const bool opened = session.openDatabase();
    if (!opened) {
        std::cerr << "keld-cli: cannot open the database " << session.databasePath() << '\n';
        if (!json) {
            for (const auto& message : session.collected().messages()) {
                std::cerr << '[' << message.caption << "] " << message.text << '\n';
            }
            return kExitFailed;
        }
        // A script that asked for JSON reads the database's message there,
        // beside the inputs it was given.
        session.page().readControls();
    }
    // Without --json the message boxes are part of the readable output, in
    // the order the run shows them, ahead of the table.
    if (!json) session.collected().echoTo(&std::cout);
    const ListEffect effect = opened ? session.runSelection().list : ListEffect::Kept;
    if (json) {
        WriteJson(std::cout, SelectionMembers(session.page(), session.collected().messages(), effect,
                                              session.dataStamp()));
    } else {
        PrintResultTable(std::cout, session.page().results());
    }
    if (opened) ReportDatabaseFailures(session);
    return !opened || session.databaseFailed() ? kExitFailed : kExitDone;
}

}  // namespace keld::cli
