// SPDX-License-Identifier: MIT
// keld-cli datasheet, run as a script runs it: the written file, the JSON
// object, and the exit codes of what cannot be done.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"
#include "json_value.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

std::vector<std::string> Datasheet(std::vector<std::string> args) {
    args.insert(args.begin(), {"datasheet", "--database", KELD_SHIPPED_DATABASE});
    return args;
}

std::string PdfInfo(const std::string& path) { return Run("pdfinfo " + ShellQuoted(path)).output; }
std::string PdfText(const std::string& path) {
    return Run("pdftotext -enc UTF-8 " + ShellQuoted(path) + " -").output;
}

TEST(CliDatasheet, WritesTheMarkedModelsSheetWithTheProjectTexts) {
    ScratchFolder folder;
    const std::string out = folder.file("项目/QHK150.pdf");
    std::filesystem::create_directory(folder.file("项目"));
    const CliResult result =
        RunCli(Datasheet({"--compressor", "screw", "--model", "QHK150GP5-LQE", "--out", out, "--project",
                          "北京医院", "--customer", "City Hospital", "--distributor", "Acme Cooling", "--tag",
                          "CH-01", "--standard", "gb"}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "Datasheet of QHK150GP5-LQE written to " + out + "\n");

    const std::string info = PdfInfo(out);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("Author:          Norvex"), std::string::npos) << info;
    const std::string text = PdfText(out);
    for (const char* expected : {"QHK150GP5-LQE", "北京医院", "City Hospital", "Acme Cooling", "CH-01",
                                 "IPLV(GB)", "Heat Pump Water-Heating unit is certified"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

TEST(CliDatasheet, JsonNamesTheFileTheModelsAndTheMessages) {
    ScratchFolder folder;
    const std::string out = folder.file("gv5.pdf");
    const CliResult result =
        RunCli(Datasheet({"--launch", "BREXAL", "--compressor", "screw", "--outlet", "2", "--inlet", "7",
                          "--model", "WOQ240GV5-LQEE", "--out", out, "--json"}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const JsonValue json = ParseJson(result.out);
    EXPECT_EQ(json["file"].string, out);
    EXPECT_EQ(json["model"].string, "WOQ240GV5-LQEE");
    EXPECT_TRUE(json["complete"].boolean);
    // Every model the run listed, the marked one among them.
    int marked = 0;
    for (const JsonValue& model : json["models"].array) marked += model.string == "WOQ240GV5-LQEE";
    EXPECT_EQ(marked, 1);
    // The run's glycol notice comes first, in the order the boxes were shown.
    ASSERT_EQ(json["messages"].array.size(), 1u);
    EXPECT_EQ(json["messages"].array[0]["caption"].string, "Cooling");
    EXPECT_NE(PdfInfo(out).find("Author:          Brexal"), std::string::npos);
}

TEST(CliDatasheet, AModelTheRunDoesNotListExitsWithOneAndNamesTheOthers) {
    ScratchFolder folder;
    const std::string out = folder.file("none.pdf");
    const CliResult result = RunCli(Datasheet({"--model", "QTK999GN5-LQE", "--out", out}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("QTK999GN5-LQE"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("it lists QTK130GN5-LQE"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const JsonValue json = ParseJson(RunCli(Datasheet({"--model", "X", "--out", out, "--json"})).out);
    EXPECT_EQ(json["file"].type, JsonValue::Type::Null);
    EXPECT_FALSE(json["complete"].boolean);
    EXPECT_EQ(json["models"].array.at(0).string, "QTK130GN5-LQE");
}

TEST(CliDatasheet, AFileThatCannotBeWrittenExitsWithOneAndKeepsWhatIsThere) {
    ScratchFolder folder;
    WriteFile(folder.file("existing.pdf"), "an earlier datasheet");
    const std::string out = folder.file("existing.pdf/new.pdf");
    const CliResult result = RunCli(Datasheet({"--model", "QTK130GN5-LQE", "--out", out}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "[JVT] Open PDF file error\n");
    EXPECT_NE(result.err.find("cannot write"), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(folder.file("existing.pdf")), "an earlier datasheet");
}

TEST(CliDatasheet, WrongUsageExitsWithTwo) {
    const struct {
        std::vector<std::string> args;
        const char* inStderr;
    } cases[] = {
        {{"--out", "x.pdf"}, "--model"},
        {{"--model", "QTK130GN5-LQE"}, "--out"},
        {{"--model", "A", "--model", "B", "--out", "x.pdf"}, "more than once"},
        {{"--model", "A", "--out"}, "--out needs a value"},
        {{"--model", "A", "--out", "x.pdf", "--viewer"}, "'--viewer'"},
        {{"--model", "A", "--out", "x.pdf", "--glycol", "10"}, "--glycol 10 is refused"},
        {{"--model", "A", "--out", "x.pdf", "--ambient", "warm"}, "请输入一个数字。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inStderr);
        const CliResult result = RunCli(Datasheet(c.args));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.inStderr), std::string::npos) << result.err;
    }
}

TEST(CliDatasheet, ADatabaseThatCannotBeOpenedExitsWithOne) {
    ScratchFolder folder;
    const CliResult result = RunCli({"datasheet", "--database", "/nonexistent/KELD_Vortan.tbs", "--model",
                                     "QTK130GN5-LQE", "--out", folder.file("x.pdf")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("/nonexistent/KELD_Vortan.tbs"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.pdf")));
}

}  // namespace
}  // namespace keld::test
