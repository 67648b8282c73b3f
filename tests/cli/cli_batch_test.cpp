// SPDX-License-Identifier: MIT
// keld-cli batch, run as a script runs it: every line of a schedule must give
// what select gives with the same options, whatever the schedule's dialect.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/schedule_reader.h"
#include "cli_process.h"
#include "json_value.h"
#include "shipped_data_stamp.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

// A schedule line: its cells under kColumns.
using Line = std::vector<std::string>;

const std::vector<std::string> kColumns = {"tag",
                                           "launch",
                                           "compressor",
                                           "cooling-capacity",
                                           "heating-capacity",
                                           "tolerance",
                                           "ambient",
                                           "inlet",
                                           "outlet",
                                           "flow",
                                           "heating-ambient",
                                           "fluid",
                                           "glycol",
                                           "fouling",
                                           "altitude",
                                           "standard"};

// The three series, both brands, water and glycol, an empty band, a failed
// input check, and one line select refuses.
const std::vector<Line> kSchedule = {
    {"CH-01", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
    {"CH-02", "", "centrifugal", "800", "", "", "40", "", "", "", "", "", "", "", "", ""},
    {"CH-03", "", "", "", "", "10", "", "", "", "", "", "", "", "0.044", "1500", ""},
    {"CH-04", "", "screw", "", "", "", "", "10", "5", "", "", "glycol", "25", "", "", ""},
    {"CH-05", "", "screw", "", "300", "", "", "", "", "", "-5", "", "", "", "", ""},
    {"CH-06", "BREXAL", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
    {"CH-07", "BREXAL", "screw", "", "", "", "", "3", "-2", "", "", "glycol", "30", "", "", ""},
    {"CH-08", "14BREXAL", "screw", "", "", "", "38", "", "", "30", "", "", "", "", "", ""},
    {"CH-09", "BREXAL", "screw", "", "", "", "", "7", "2", "", "", "", "", "", "", ""},
    {"CH-10", "", "", "400", "", "", "hot", "", "", "", "", "", "", "", "", ""},
    {"CH-11", "", "", "", "", "", "50", "", "", "", "", "", "", "", "", ""},
    {"CH-12, roof", "", "screw", "600", "", "", "", "", "", "", "", "", "", "", "", "gb"},
};
constexpr std::size_t kBadLine = 9;  // CH-10, on line 11 of the file

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CommaSchedule() {
    const auto row = [](const Line& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i == 0 ? "" : ",") + CsvCell(cells[i]);
        return text + "\n";
    };
    std::string csv = row(kColumns);
    for (const Line& line : kSchedule) csv += row(line);
    return csv;
}

// select with the options a line states.
std::vector<std::string> SelectArgs(const Line& line) {
    std::vector<std::string> args = {"select", "--database", KELD_SHIPPED_DATABASE};
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (!line[i].empty()) args.insert(args.end(), {"--" + kColumns[i], line[i]});
    }
    return args;
}

std::vector<std::string> Batch(const std::string& schedule, std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"batch", schedule, "--database", KELD_SHIPPED_DATABASE});
    return args;
}

// A JSON value written out again, members in their order: two values are
// equal when these texts are.
std::string Text(const JsonValue& value) {
    switch (value.type) {
        case JsonValue::Type::Null:
            return "null";
        case JsonValue::Type::Boolean:
            return value.boolean ? "true" : "false";
        case JsonValue::Type::Number: {
            std::ostringstream number;
            number.precision(17);
            number << value.number;
            return number.str();
        }
        case JsonValue::Type::String:
            return '"' + value.string + '"';
        case JsonValue::Type::Array: {
            std::string text = "[";
            for (const JsonValue& item : value.array) text += Text(item) + ",";
            return text + "]";
        }
        case JsonValue::Type::Object: {
            std::string text = "{";
            for (const auto& [name, member] : value.object) text += name + ":" + Text(member) + ",";
            return text + "}";
        }
    }
    return "";
}

TEST(CliBatch, EachLineGivesWhatSelectGivesAndABadLineIsReported) {
    ScratchFolder folder;
    const std::string schedule = folder.file("schedule.csv");
    WriteFile(schedule, CommaSchedule());

    const CliResult batch = RunCli(Batch(schedule, {"--json"}));
    EXPECT_EQ(batch.exitCode, 1);
    EXPECT_EQ(batch.err, "keld-cli: line 11 (CH-10): column ambient: --ambient 'hot': 请输入一个数字。\n");
    const JsonValue duties = ParseJson(batch.out);
    ASSERT_EQ(duties.array.size(), kSchedule.size());

    for (std::size_t i = 0; i < kSchedule.size(); ++i) {
        SCOPED_TRACE(kSchedule[i][0]);
        const JsonValue& duty = duties.array[i];
        EXPECT_EQ(duty["tag"].string, kSchedule[i][0]);
        EXPECT_EQ(duty["line"].number, static_cast<double>(i + 2));
        std::vector<std::string> args = SelectArgs(kSchedule[i]);
        args.push_back("--json");
        const CliResult select = RunCli(args);
        if (i == kBadLine) {
            EXPECT_EQ(select.exitCode, 2);
            EXPECT_EQ(duty["error"]["column"].string, "ambient");
            EXPECT_EQ(select.err.substr(0, select.err.find('\n')),
                      "keld-cli: " + duty["error"]["text"].string);
            continue;
        }
        ASSERT_EQ(select.exitCode, 0) << select.err;
        const JsonValue selected = ParseJson(select.out);
        for (const char* member : {"conditions", "messages", "list", "rows"}) {
            EXPECT_EQ(Text(duty[member]), Text(selected[member])) << member;
        }
    }
}

std::string PdfText(const std::string& path) {
    return Run("pdftotext -enc UTF-8 " + ShellQuoted(path) + " -").output;
}

// The records of a CSV text, read as keld-cli reads a schedule.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text) {
    std::istringstream in(text);
    cli::ScheduleReader reader(in);
    std::vector<std::vector<std::string>> records = {reader.header()};
    cli::ScheduleRecord record;
    while (reader.next(record)) records.push_back(record.cells);
    return records;
}

// A schedule as a spreadsheet in a country with the decimal comma saves it:
// a byte-order mark, semicolons, CRLF, capitalised names, a tag that is no
// file name and a line without a tag; the launch text comes from the command
// line where the cell is blank.
TEST(CliBatch, ASemicolonScheduleGivesResultsAndDatasheetsAsTheSpreadsheetWants) {
    ScratchFolder folder;
    const std::string schedule = folder.file("schedule.csv");
    WriteFile(schedule,
              "\xEF\xBB\xBFTag;Launch;Compressor;Outlet;Inlet;Fluid;Glycol;Fouling;Model\r\n"
              "CH/1;;screw;2,5;7,5;glycol;20;;\r\n"
              ";00;centrifugal;;;;;0,02;QTK130GN5-LQE\r\n"
              ";;;;;;;;\r\n");
    const std::vector<std::vector<std::string>> selects = {
        {"--launch", "BREXAL", "--compressor", "screw", "--outlet", "2.5", "--inlet", "7.5", "--fluid",
         "glycol", "--glycol", "20"},
        {"--launch", "00", "--compressor", "centrifugal", "--fouling", "0.02"},
    };
    const std::string results = folder.file("results.csv");
    const std::string sheets = folder.file("sheets");
    const CliResult batch = RunCli(Batch(
        schedule, {"--launch", "BREXAL", "--out", results, "--datasheets", sheets, "--project", "Plant 4"}));
    EXPECT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_EQ(batch.err, "");
    EXPECT_EQ(batch.out, "Results of 2 duties written to " + results + "\n");

    const std::string csv = ReadFile(results);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBFTag;Line;Model;Cooling Pf kW;")) << csv;
    const auto records = CsvRecords(csv);
    std::size_t record = 1;
    for (std::size_t duty = 0; duty < selects.size(); ++duty) {
        std::vector<std::string> args = {"select", "--database", KELD_SHIPPED_DATABASE, "--json"};
        args.insert(args.end(), selects[duty].begin(), selects[duty].end());
        const JsonValue rows = ParseJson(RunCli(args).out)["rows"];
        ASSERT_FALSE(rows.array.empty());
        for (const JsonValue& row : rows.array) {
            ASSERT_LT(record, records.size());
            const std::vector<std::string>& cells = records[record++];
            EXPECT_EQ(cells[0], duty == 0 ? "CH/1" : "");
            EXPECT_EQ(cells[1], duty == 0 ? "2" : "3");
            EXPECT_EQ(cells[2], row.array[0].string);
            std::string capacity = row.array[1].string;
            std::replace(capacity.begin(), capacity.end(), '.', ',');
            EXPECT_EQ(cells[3], capacity);
        }
    }
    EXPECT_EQ(record, records.size());

    const std::string firstSheet = PdfText(sheets + "/CH_1.pdf");
    for (const char* text : {"CH/1", "Plant 4", "WOQ"})
        EXPECT_NE(firstSheet.find(text), std::string::npos) << text;
    const std::string secondSheet = PdfText(sheets + "/3.pdf");
    EXPECT_NE(secondSheet.find("QTK130GN5-LQE"), std::string::npos);
}

struct UsageCase {
    const char* header;
    std::vector<std::string> args;
    const char* inStderr;
};

TEST(CliBatch, WrongUsageAndUnknownColumnsExitWithTwo) {
    const UsageCase cases[] = {
        {"tag,ambiant", {}, "'ambiant', which is no option of select"},
        {"tag,database", {}, "give it with --database"},
        {"tag,ambient, Ambient", {}, "names the column 'ambient' twice"},
        {"tag,,ambient", {}, "column 2 of the schedule has no name"},
        {"", {}, "first line must name its columns"},
        {"\xFF\xFEt", {}, "UTF-16"},
        {"tag", {"--out", "r.csv", "--json"}, "cannot be given together"},
        {"tag", {"--project", "P"}, "need --datasheets DIR"},
        {"tag", {"--ambient", "30"}, "does not know the option '--ambient'"},
        {"tag", {"other.csv"}, "batch runs one schedule"},
    };
    ScratchFolder folder;
    const std::string schedule = folder.file("schedule.csv");
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.inStderr);
        WriteFile(schedule, std::string(c.header) + "\nCH-1\n");
        const CliResult result = RunCli(Batch(schedule, c.args));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.inStderr), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunCli({"batch"}).exitCode, 2);
    EXPECT_EQ(RunCli(Batch(folder.file("missing.csv"))).exitCode, 1);
}

// Cells no spreadsheet writes still get a message that shows them safely
// and gives the reason, in a line of bounded length.
TEST(CliBatch, HostileCellsAreReportedSafelyWithTheirReason) {
    struct Case {
        const char* what;
        std::string schedule;
        std::string inStderr;
    };
    const std::string overLimit(cli::ScheduleReader::kMaxRecordBytes - 5, 'x');  // "CH-1," and the cell
    const Case cases[] = {
        {"a NUL", std::string("tag,cooling-capacity\nCH-1,500\0x\n", 33),
         "--cooling-capacity '500\\0x': 请输入"},
        {"a long value", "tag,ambient\nCH-1," + std::string(60000, 'h') + "\n",
         "--ambient '" + std::string(80, 'h') + "…': 请输入"},
        {"terminal controls in a tag", "tag,ambient\nGOOD\b\b\b\bEVIL,hot\n", "(GOOD\\b\\b\\b\\bEVIL)"},
        {"a line at the limit", "tag,ambient\nCH-1," + overLimit + "\n", "--ambient 'xxx"},
        {"a line over the limit", "tag,ambient\nCH-1," + overLimit + "x\nCH-2,35\n",
         "line 2 (CH-1): the line is longer than 65536 bytes; the schedule is read no further"},
    };
    ScratchFolder folder;
    const std::string schedule = folder.file("schedule.csv");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(schedule, c.schedule);
        const CliResult result = RunCli(Batch(schedule, {"--json"}));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(c.inStderr), std::string::npos) << result.err.substr(0, 300);
        EXPECT_LT(result.err.size(), 600u);
        EXPECT_EQ(result.err.find_first_of(std::string("\b\0\x1b", 3)), std::string::npos);
        // The duty after an overlong line is not run: the rest is no schedule.
        EXPECT_EQ(result.out.find("CH-2"), std::string::npos);
    }
}

// Tags that a spreadsheet would run as formulas come back as text; the
// figures beside them stay numbers.
TEST(CliBatch, FormulaLikeTextIsWrittenAsText) {
    struct Case {
        std::string tag;
        std::string cell;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"+1+1", "\"'+1+1\""},
        {"-1+1", "\"'-1+1\""},
        {"\"\tTAB\"", "\"'\tTAB\""},
        {"CH-1", "CH-1"},
        {"1+1=2", "1+1=2"},
    };
    ScratchFolder folder;
    const std::string schedule = folder.file("schedule.csv");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        WriteFile(schedule, "tag,cooling-capacity\n" + c.tag + ",500\n");
        const CliResult result = RunCli(Batch(schedule));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const std::string line = result.out.substr(result.out.find("\r\n") + 2);
        EXPECT_EQ(line,
                  c.cell + ",2,QTK130GN5-LQE,459.2,135.5,22.07,,,,,,,,,61.8,," + ShippedDataStamp() + "\r\n");
    }
}

// A schedule read from a pipe is read once, also when standard error is a
// terminal and the progress line would count the duties ahead.
TEST(CliBatch, AScheduleOnAPipeIsReadWholeBesideATerminal) {
    ScratchFolder folder;
    std::string schedule = "tag,cooling-capacity\n";
    for (int line = 1; line <= 30; ++line) schedule += "CH-" + std::to_string(line) + ",500\n";
    WriteFile(folder.file("s.csv"), schedule);
    const std::string results = folder.file("r.csv");
    // script(1) gives the command a terminal; the schedule comes through cat's pipe.
    const CommandResult run =
        keld::test::Run("cat " + ShellQuoted(folder.file("s.csv")) + " | script -qec " +
                        ShellQuoted(std::string(KELD_CLI) + " batch /dev/stdin --database " +
                                    KELD_SHIPPED_DATABASE + " --out " + results) +
                        " /dev/null");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string written = ReadFile(results);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 31) << written;
}

}  // namespace
}  // namespace keld::test
