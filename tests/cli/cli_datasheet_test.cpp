// SPDX-License-Identifier: MIT
// keld-cli datasheet, run as a script runs it: the written file, the JSON
// object, and the exit codes of what cannot be done.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"
#include "json_value.h"
#include "support/fixture_database.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

std::vector<std::string> Datasheet(std::vector<std::string> args) {
    args.insert(args.begin(), {"datasheet", "--database", KELD_SHIPPED_DATABASE});
    return args;
}

std::string PdfInfo(const std::string& path) { return Run("pdfinfo " + ShellQuoted(path)).output; }

// The SQL the shipped database is built from, for a copy of it with a test's
// changes.
std::string ShippedDatabaseSql() {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(KELD_DATA_DIR)) {
        if (entry.path().extension() == ".sql") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    std::string sql;
    for (const auto& source : sources) sql += ReadFile(source.string()) + "\n";
    return sql;
}
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

// The message box reads "Open PDF file error" as in the window; the command
// line adds why, and leaves whatever stood at the path as it was.
TEST(CliDatasheet, AFileThatCannotBeWrittenExitsWithOneAndSaysWhy) {
    ScratchFolder folder;
    WriteFile(folder.file("existing.pdf"), "an earlier datasheet");
    std::filesystem::create_directory(folder.file("folder.pdf"));
    ASSERT_EQ(mkfifo(folder.file("pipe.pdf").c_str(), 0644), 0);
    std::filesystem::create_symlink("pipe.pdf", folder.file("link.pdf"));
    const struct {
        std::string out;
        std::string reason;
    } cases[] = {
        {folder.file("existing.pdf/new.pdf"), std::strerror(ENOTDIR)},
        {folder.file("missing/new.pdf"), std::strerror(ENOENT)},
        {folder.file("folder.pdf"), std::strerror(EISDIR)},
        {folder.file(std::string(300, 'n') + ".pdf"), std::strerror(ENAMETOOLONG)},
        {"", "the file name is empty"},
        {folder.file("pipe.pdf"), "it is a FIFO, not a regular file"},
        {folder.file("link.pdf"), "it is a link to a FIFO, not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        const CliResult result = RunCli(Datasheet({"--model", "QTK130GN5-LQE", "--out", c.out}));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "[JVT] Open PDF file error\n");
        EXPECT_EQ(result.err, "keld-cli: cannot write " + c.out + ": " + c.reason + "\n");
    }
    EXPECT_EQ(ReadFile(folder.file("existing.pdf")), "an earlier datasheet");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("pipe.pdf")));
}

// A table or column the sheet or its run needs is missing: the sheet is
// written all the same, but the script learns it is not whole. Each failure
// is printed once.
TEST(CliDatasheet, ADatabaseFailureMakesTheSheetIncomplete) {
    const struct {
        const char* change;
        const char* message;
    } cases[] = {
        {"DROP TABLE EXCEL_NEW;", "no such table: EXCEL_NEW"},
        {"DROP TABLE QSK_QHK_R134a_AHRI;", "no such table: QSK_QHK_R134a_AHRI"},
        // The run's water pressure drop of glycol, read from the fluid table.
        {"CREATE TABLE Kept AS SELECT Concertration, Capacity, PowerC, HotCapacity, PowerH, Flow FROM Fluid;"
         "DROP TABLE Fluid; ALTER TABLE Kept RENAME TO Fluid;",
         "WaterPD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        FixtureDatabase database(ShippedDatabaseSql() + c.change);
        ScratchFolder folder;
        const std::string out = folder.file("QTK130.pdf");
        const std::vector<std::string> args = {
            "datasheet", "--database", database.path(), "--model", "QTK130GN5-LQE", "--out", out};

        const CliResult readable = RunCli(args);
        EXPECT_EQ(readable.exitCode, 1);
        EXPECT_NE(readable.out.find(c.message), std::string::npos) << readable.out;
        EXPECT_EQ(readable.out.find("written"), std::string::npos) << readable.out;
        EXPECT_TRUE(readable.err.starts_with("keld-cli: database: ")) << readable.err;
        EXPECT_NE(readable.err.find(c.message), std::string::npos) << readable.err;
        EXPECT_TRUE(
            readable.err.ends_with("keld-cli: the datasheet in " + out +
                                   " is incomplete: the database could not give all of its figures\n"))
            << readable.err;

        std::vector<std::string> jsonArgs = args;
        jsonArgs.push_back("--json");
        const CliResult result = RunCli(jsonArgs);
        EXPECT_EQ(result.exitCode, 1);
        const JsonValue json = ParseJson(result.out);
        EXPECT_EQ(json["file"].string, out);
        EXPECT_FALSE(json["complete"].boolean);
        std::vector<std::string> texts;
        for (const JsonValue& message : json["messages"].array) texts.push_back(message["text"].string);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(
            std::count_if(texts.begin(), texts.end(),
                          [&](const std::string& text) { return text.find(c.message) != std::string::npos; }),
            1)
            << result.out;
        for (const std::string& text : texts)
            EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << text;
        EXPECT_NE(PdfInfo(out).find("Pages:           2"), std::string::npos);
    }
}

// A picture that does not decode ends the sheet before it is written: the
// good sheet from before stays. keld-cli takes its pictures from beside
// itself, so the test runs a copy of it beside copies of the pictures.
TEST(CliDatasheet, AnInterruptedSheetKeepsTheEarlierFileAndExitsWithOne) {
    ScratchFolder folder;
    const std::filesystem::path program = folder.path() / "keld-cli";
    std::filesystem::copy_file(KELD_CLI, program);
    for (const char* picture : {"norvex_Min.jpg", "BREXAL.jpg", "AHRI.jpg"})
        std::filesystem::copy_file(std::string(KELD_BUILD_DIR "/") + picture, folder.path() / picture);
    const std::string out = folder.file("QTK130.pdf");
    const std::string errors = folder.file("stderr.txt");
    // The copy's standard error goes to a file, its standard output is kept.
    const auto runCopy = [&](const std::string& extra) {
        return test::Run("{ " + ShellQuoted(program.string()) + " datasheet --database " +
                         ShellQuoted(KELD_SHIPPED_DATABASE) + " --model QTK130GN5-LQE --out " +
                         ShellQuoted(out) + extra + " 2>" + ShellQuoted(errors) + "; }");
    };
    ASSERT_EQ(runCopy("").exitCode, 0);
    const std::string earlier = ReadFile(out);

    const std::string badge = ReadFile(folder.file("AHRI.jpg"));
    WriteFile(folder.file("AHRI.jpg"), badge.substr(0, badge.size() / 2));
    const CommandResult readable = runCopy("");
    EXPECT_EQ(readable.exitCode, 1);
    EXPECT_NE(readable.output.find("AHRI.jpg, Premature end of JPEG file"), std::string::npos)
        << readable.output;
    EXPECT_EQ(ReadFile(errors),
              "keld-cli: the datasheet stopped early; nothing was written, " + out + " is as it was\n");

    const CommandResult result = runCopy(" --json");
    EXPECT_EQ(result.exitCode, 1);
    const JsonValue json = ParseJson(result.output);
    EXPECT_EQ(json["file"].type, JsonValue::Type::Null);
    EXPECT_FALSE(json["complete"].boolean);
    ASSERT_EQ(json["messages"].array.size(), 1u);
    EXPECT_NE(json["messages"].array[0]["text"].string.find("AHRI.jpg"), std::string::npos);
    EXPECT_EQ(ReadFile(out), earlier);
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

    // A script that asked for JSON still gets its one object, with the
    // database's message and nothing written.
    const CliResult json = RunCli({"datasheet", "--database", "/nonexistent/KELD_Vortan.tbs", "--model",
                                   "QTK130GN5-LQE", "--out", folder.file("x.pdf"), "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const JsonValue object = ParseJson(json.out);
    EXPECT_EQ(object["file"].type, JsonValue::Type::Null);
    EXPECT_FALSE(object["complete"].boolean);
    ASSERT_EQ(object["messages"].array.size(), 1u);
    EXPECT_EQ(object["messages"].array[0]["caption"].string, "JVT");
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.pdf")));
}

}  // namespace
}  // namespace keld::test
