// SPDX-License-Identifier: MIT
// keld-cli help, COMMAND --help and --version, and the manual page that must
// describe every option the usage texts name.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "cli_process.h"
#include "shipped_data_stamp.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

const char* const kCommands[] = {"select", "datasheet", "batch"};

TEST(CliHelp, HelpAndCommandHelpPrintTheUsageAndExitWithZero) {
    const CliResult help = RunCli({"help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(RunCli({"--help"}).out, help.out);
    for (const char* command : kCommands) {
        SCOPED_TRACE(command);
        EXPECT_NE(help.out.find(std::string("keld-cli ") + command), std::string::npos);
        const CliResult usage = RunCli({"help", command});
        EXPECT_EQ(usage.exitCode, 0);
        EXPECT_TRUE(usage.out.starts_with(std::string("usage: keld-cli ") + command)) << usage.out;
        // --help wins over whatever else the command line holds.
        const CliResult commandHelp = RunCli({command, "--ambient", "oops", "--help"});
        EXPECT_EQ(commandHelp.exitCode, 0);
        EXPECT_EQ(commandHelp.out, usage.out);
    }
    const CliResult unknown = RunCli({"help", "frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("no command 'frobnicate'"), std::string::npos);
}

TEST(CliHelp, VersionIsTheProjectVersionAndTheDataStamp) {
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("keld-cli ") + KELD_VERSION + "\ndata " + ShippedDataStamp() + "\n");
    EXPECT_NE(ShippedDataStamp(), "unknown");

    const CliResult older = RunCli({"--version", "--database", "/nonexistent/KELD_Vortan.tbs"});
    EXPECT_EQ(older.exitCode, 0);
    EXPECT_EQ(older.out, std::string("keld-cli ") + KELD_VERSION + "\ndata unknown\n");
    EXPECT_EQ(RunCli({"--version", "--json"}).exitCode, 2);
}

// The manual page as man shows it, its escaped dashes plain again.
std::string ManualPageText() {
    std::string page = ReadFile(KELD_BUILD_DIR "/keld-cli.1");
    return std::regex_replace(std::regex_replace(page, std::regex(R"(\\-)"), "-"), std::regex(R"(\\f[BIRP])"),
                              "");
}

TEST(CliHelp, TheManualPageDescribesEveryOptionOfTheUsage) {
    const std::string manual = ManualPageText();
    ASSERT_NE(manual.find(".TH KELD-CLI 1"), std::string::npos);
    EXPECT_NE(manual.find(KELD_VERSION), std::string::npos);
    std::string usage = RunCli({"help"}).out;
    for (const char* command : kCommands) usage += RunCli({"help", command}).out;

    const std::regex option(R"(--[a-z][a-z-]*)");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator();
         ++it) {
        options.insert(it->str());
    }
    ASSERT_TRUE(options.contains("--datasheets"));  // the usage texts were read at all
    for (const std::string& name : options) {
        EXPECT_NE(manual.find(name), std::string::npos) << name << " is missing from keld-cli.1";
    }
    for (const char* command : kCommands)
        EXPECT_NE(manual.find(std::string(".B ") + command), std::string::npos);
}

}  // namespace
}  // namespace keld::test
