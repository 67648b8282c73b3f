// SPDX-License-Identifier: MIT
// keld-cli: scripted selections on the same core as the window.
#include <signal.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/command_usage.h"
#include "cli/datasheet_command.h"
#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/map_command.h"
#include "cli/select_command.h"
#include "cli/standard_streams.h"
#include "reports/pdflib_staged_file.h"
#include "session/selection_session.h"
#include "session/usage_error.h"

namespace {

using keld::UsageError;

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
};

const Command kCommands[] = {
    {"select", keld::cli::RunSelectCommand},
    {"datasheet", keld::cli::RunDatasheetCommand},
    {"batch", keld::cli::RunBatchCommand},
    {"map", keld::cli::RunMapCommand},
};

bool AsksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// keld-cli help [COMMAND]
int PrintHelp(const std::vector<std::string>& args) {
    if (args.size() > 2)
        throw UsageError("help takes one command, not " + keld::Quoted(args[1]) + " and " +
                         keld::Quoted(args[2]));
    if (args.size() == 1) {
        std::cout << keld::cli::ProgramUsage();
        return keld::cli::kExitDone;
    }
    const std::string usage = keld::cli::CommandUsage(args[1]);
    if (usage.empty()) throw UsageError("there is no command " + keld::Quoted(args[1]));
    std::cout << usage;
    return keld::cli::kExitDone;
}

// keld-cli --version [--database PATH]: the program's version and the stamp
// of the data it selects from.
int PrintVersion(const std::vector<std::string>& args) {
    keld::PageOptions options;
    for (std::size_t i = 1; i < args.size();) {
        if (args[i] != "--database" || !keld::TakePageOption(args, i, options))
            throw UsageError("--version takes only --database PATH, not " + keld::Quoted(args[i]));
    }
    keld::SelectionSession session(options);
    const std::string data = session.openDatabase() ? session.dataStamp().text() : "unknown";
    std::cout << "keld-cli " << KELD_VERSION << "\ndata " << data << '\n';
    return keld::cli::kExitDone;
}

int Run(std::vector<std::string> args) {
    if (args.empty()) throw UsageError("a command is needed");
    if (args[0] == "help" || AsksForHelp(args[0])) return PrintHelp(args);
    if (args[0] == "--version") return PrintVersion(args);
    const std::string name = args[0];
    args.erase(args.begin());
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        if (std::any_of(args.begin(), args.end(), AsksForHelp)) {
            std::cout << keld::cli::CommandUsage(name);
            return keld::cli::kExitDone;
        }
        return command.run(args);
    }
    throw UsageError("unknown command " + keld::Quoted(name));
}

// Ctrl+C, a closed terminal, kill or a reader of the output that went away
// end keld-cli as they end any program, with the signal's own status, but
// never leave a half-written datasheet or results file beside its target.
void RemoveStagedFilesAndEnd(int signal) {
    keld::StagedFile::RemoveAllStaged();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void CleanUpOnSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction action {};
        action.sa_handler = RemoveStagedFilesAndEnd;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// The program's one error boundary: every error a command lets through
// becomes a line on standard error and an exit code.
int RunGuarded(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "keld-cli: " << error.what() << "\n(keld-cli --help lists the commands and options)\n";
        return keld::cli::kExitUsage;
    } catch (...) {
        std::cerr << "keld-cli: " << keld::cli::CurrentErrorText() << '\n';
        return keld::cli::kExitFailed;
    }
}

}  // namespace

int main(int argc, char** argv) {
    CleanUpOnSignals();
    if (!keld::cli::GuardStandardStreams()) {
        std::cerr << "keld-cli: cannot write to standard output: it is closed\n";
        return keld::cli::kExitFailed;
    }
    const int exitCode = RunGuarded(argc, argv);
    if (const std::string reason = keld::cli::FlushStandardOutput(); !reason.empty()) {
        std::cerr << "keld-cli: cannot write to standard output: " << reason << '\n';
        return keld::cli::kExitFailed;
    }
    return exitCode;
}
