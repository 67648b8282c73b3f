// SPDX-License-Identifier: MIT
// keld-cli: scripted selections on the same core as the window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/datasheet_command.h"
#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/page_options.h"
#include "cli/select_command.h"
#include "cli/standard_streams.h"
#include "cli/usage_error.h"

namespace {

using keld::cli::UsageError;

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
    const char* usage;
};

const Command kCommands[] = {
    {"select", keld::cli::RunSelectCommand, "keld-cli select    [OPTIONS] [--json]"},
    {"datasheet", keld::cli::RunDatasheetCommand,
     "keld-cli datasheet [OPTIONS] --model NAME --out FILE.pdf [--project T] [--customer T] [--distributor "
     "T] "
     "[--tag T] [--json]"},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& command : kCommands) out << "  " << command.usage << '\n';
    out << "OPTIONS (each value goes through the page as if typed into its field):\n"
        << keld::cli::PageOptionsUsage();
}

int Run(std::vector<std::string> args) {
    if (args.empty()) throw UsageError("a command is needed");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout);
        return keld::cli::kExitDone;
    }
    const std::string name = args[0];
    args.erase(args.begin());
    for (const Command& command : kCommands) {
        if (name == command.name) return command.run(args);
    }
    throw UsageError("unknown command '" + name + "'");
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
