// SPDX-License-Identifier: MIT
// keld-cli select, run as a script runs it: exit codes, what goes to stdout
// and stderr, and the JSON object.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "json_value.h"
#include "support/fixture_database.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

std::vector<std::string> Select(std::vector<std::string> args) {
    args.insert(args.begin(), {"select", "--database", KELD_SHIPPED_DATABASE});
    return args;
}

using Messages = std::vector<RecordingSink::Message>;

// The message boxes of a JSON object, in order.
Messages MessagesOf(const JsonValue& json) {
    Messages messages;
    for (const JsonValue& message : json["messages"].array) {
        messages.push_back({message["caption"].string, message["text"].string});
    }
    return messages;
}

// A selection that must succeed and show exactly `expected`.
JsonValue SelectJson(std::vector<std::string> args, const Messages& expected = {}) {
    args.push_back("--json");
    CliResult result = RunCli(Select(args));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    JsonValue json = ParseJson(result.out);
    EXPECT_EQ(MessagesOf(json), expected);
    return json;
}

TEST(CliSelect, JsonHoldsConditionsMessagesListAndRows) {
    JsonValue json = SelectJson({});
    const std::vector<std::string> names = {"compressorType",
                                            "unitType",
                                            "refrigerant",
                                            "version",
                                            "recoveryMode",
                                            "partLoadStandard",
                                            "fluidIsGlycol",
                                            "glycolPercent",
                                            "foulingFactor",
                                            "altitude",
                                            "coolingCapacityRequired",
                                            "heatingCapacityRequired",
                                            "tolerancePercent",
                                            "coolingAmbientTemp",
                                            "coolingInletTemp",
                                            "coolingOutletTemp",
                                            "coolingWaterFlow",
                                            "heatingAmbientTemp",
                                            "heatingInletTemp",
                                            "heatingOutletTemp",
                                            "heatingWaterFlow",
                                            "recoveryInletTemp",
                                            "recoveryOutletTemp",
                                            "recoveryFoulingFactor",
                                            "coolingFlowEntered",
                                            "heatingFlowEntered"};
    const JsonValue& conditions = json["conditions"];
    ASSERT_EQ(conditions.object.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(conditions.object[i].first, names[i]);
        const bool flag = names[i] == "fluidIsGlycol" || names[i].ends_with("FlowEntered");
        EXPECT_EQ(conditions.object[i].second.type, flag ? JsonValue::Type::Boolean : JsonValue::Type::Number)
            << names[i];
    }
    EXPECT_EQ(conditions["coolingWaterFlow"].number, 22.07);
    EXPECT_EQ(conditions["foulingFactor"].number, 0.018);
    EXPECT_EQ(json["list"].string, "replaced");
    ASSERT_FALSE(json["rows"].array.empty());
    for (const JsonValue& row : json["rows"].array) {
        ASSERT_EQ(row.array.size(), 22u);
        for (const JsonValue& cell : row.array) EXPECT_EQ(cell.type, JsonValue::Type::String);
        EXPECT_NE(row.array[20].string, "");  // the record id
    }
}

struct ValueCase {
    std::vector<std::string> args;
    const char* field;
    float value;
};

// Each value goes through its field as typed; a flow makes the flow entered.
TEST(CliSelect, ValuesGoThroughThePageFields) {
    const ValueCase cases[] = {
        {{"--ambient", "-8"}, "coolingAmbientTemp", -8},
        {{"--ambient", "35.05"}, "coolingAmbientTemp", 35},
        {{"--fouling", "0.01"}, "foulingFactor", 0.018f},
        {{"--altitude", "12.6"}, "altitude", 13},
        {{"--inlet", "12.345"}, "coolingInletTemp", 12.35f},
        {{"--tolerance", " 10 "}, "tolerancePercent", 10},
        {{"--flow", "30.123"}, "coolingWaterFlow", 30.12f},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        JsonValue conditions = SelectJson(c.args)["conditions"];
        // Reals are written so that they read back as the very same float.
        EXPECT_EQ(static_cast<float>(conditions[c.field].number), c.value);
        EXPECT_EQ(conditions["coolingFlowEntered"].boolean, c.args[0] == "--flow");
    }
}

TEST(CliSelect, MessagesArePrintedInOrderOrCollectedInJson) {
    const std::vector<std::string> args = {"--launch", "BREXAL", "--compressor", "screw",
                                           "--outlet", "2",      "--inlet",      "7"};
    const char* notice = "LWT is less than 4 degrees, the machine will use the glycol of 10";
    CliResult readable = RunCli(Select(args));
    EXPECT_EQ(readable.exitCode, 0);
    EXPECT_EQ(readable.out.substr(0, readable.out.find('\n')), std::string("[Cooling] ") + notice);
    EXPECT_NE(readable.out.find("\nModel "), std::string::npos);

    JsonValue json = SelectJson(args, {{"Cooling", notice}});
    EXPECT_TRUE(json["conditions"]["fluidIsGlycol"].boolean);
    EXPECT_EQ(json["conditions"]["glycolPercent"].number, 10);
}

TEST(CliSelect, AFailedInputCheckClearsTheList) {
    JsonValue json =
        SelectJson({"--ambient", "50"},
                   {{"Cooling", "Please input the value of ambient temperature between -8.0 and 44.0 "}});
    EXPECT_EQ(json["list"].string, "cleared");
    EXPECT_TRUE(json["rows"].array.empty());
}

struct UsageCase {
    std::vector<std::string> args;
    const char* inStderr;
};

TEST(CliSelect, WrongUsageExitsWithTwo) {
    const UsageCase cases[] = {
        {{"--heating-ambient", "5"}, "--heating-ambient 5 is refused"},  // centrifugal chiller
        {{"--heating-flow", "20"}, "--heating-flow 20 is refused"},
        {{"--glycol", "10"}, "--glycol 10 is refused"},        // water
        {{"--fluid", "glycol"}, "--fluid glycol is refused"},  // centrifugal
        {{"--launch", "BREXAL", "--compressor", "screw", "--standard", "gb"}, "--standard gb is refused"},
        {{"--ambient", "abc"}, "请输入一个数字。"},
        {{"--ambient", "nan"}, "请输入一个数字。"},
        {{"--cooling-capacity", "12.5"}, "请输入一个整数。"},
        {{"--heating-ambient", "warm"}, "请输入一个数字。"},  // a number before being disabled
        {{"--inlet", "12", "--flow", "20"}, "cannot be given together"},
        {{"--heating-flow", "20", "--heating-inlet", "40"}, "cannot be given together"},
        {{"--bogus", "1"}, "'--bogus'"},
        {{"--ambient"}, "--ambient needs a value"},
        {{"--ambient", "30", "--ambient", "31"}, "more than once"},
        {{"--compressor", "rotary"}, "centrifugal|screw"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.args[0]);
        CliResult result = RunCli(Select(c.args));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.inStderr), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunCli({}).exitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
}

TEST(CliSelect, RestatingWhatADisabledControlHoldsIsAccepted) {
    const std::vector<std::vector<std::string>> cases = {
        {"--heating-ambient", "7.0"},
        {"--heating-flow", "22.07"},
        {"--glycol", "0"},
        {"--fluid", "water"},
        {"--launch", "BREXAL", "--compressor", "screw", "--standard", "ahri"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(SelectJson(args)["list"].string, "replaced");
    }
}

// The database's message goes to stderr, or with --json into the one object
// a script reads, beside the inputs it gave.
TEST(CliSelect, ADatabaseThatCannotBeOpenedExitsWithOne) {
    const std::string missingPath = "/nonexistent/KELD_Vortan.tbs";
    CliResult missing = RunCli({"select", "--database", missingPath});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "keld-cli: cannot open the database " + missingPath +
                               "\n[JVT] Could not find the performance database \"" + missingPath + "\".\n");

    CliResult json = RunCli({"select", "--database", missingPath, "--cooling-capacity", "700", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.err, "keld-cli: cannot open the database " + missingPath + "\n");
    const JsonValue object = ParseJson(json.out);
    EXPECT_EQ(MessagesOf(object),
              (Messages{{"JVT", "Could not find the performance database \"" + missingPath + "\"."}}));
    EXPECT_EQ(object["conditions"]["coolingCapacityRequired"].number, 700);
    EXPECT_EQ(object["list"].string, "kept");
    EXPECT_TRUE(object["rows"].array.empty());

    FixtureDatabase foreignKey("CREATE TABLE t (x INTEGER);", "not the program's password");
    CliResult locked = RunCli({"select", "--database", foreignKey.path(), "--json"});
    EXPECT_EQ(locked.exitCode, 1);
    ASSERT_EQ(MessagesOf(ParseJson(locked.out)).size(), 1u);
    EXPECT_EQ(MessagesOf(ParseJson(locked.out))[0].caption, "JVT");
}

// An answer that did not reach the script is no answer: exit 1 and the
// reason on stderr, whether the output refuses writes or is closed.
TEST(CliSelect, OutputThatCannotBeWrittenExitsWithOne) {
    struct Case {
        std::vector<std::string> args;
        CliOutput output;
        const char* reason;
    };
    const Case cases[] = {
        {Select({}), CliOutput::Full, "No space left on device"},
        {Select({"--json"}), CliOutput::Full, "No space left on device"},
        {{"--help"}, CliOutput::Full, "No space left on device"},
        {Select({"--json"}), CliOutput::Closed, "it is closed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back() + " " + c.reason);
        CliResult result = RunCli(c.args, c.output);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, std::string("keld-cli: cannot write to standard output: ") + c.reason + "\n");
    }
}

struct RunEndCase {
    const char* name;
    std::string sql;
    std::vector<std::string> args;
    int exitCode;
    const char* list;
    Messages messages;
};

// A database that opens but fails the run (a missing table, a unit row that
// cannot be read, a grid with two rows at one LWT) is work not done: exit 1,
// with the messages and the JSON printed all the same. A run that merely
// finds nothing, or is given an ambient beyond the grids, is done.
TEST(CliSelect, ADatabaseErrorDuringTheRunExitsWithOne) {
    const std::string qtk130 =
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '11.04-33.11', "
        "'61.8', '22.07');\n";
    const std::string unreadableUnit =
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK132GN5-LQE', '1', 459.2, 135.5, NULL, "
        "'11.04-33.11', '61.8', '22.07');\n";
    const std::string twoRowsAtOneLwt =
        "INSERT INTO \"CapacityQTK090&180GN5\" SELECT * FROM "
        "\"CapacityQTK090&180GN5\" WHERE LWT = 7;\n";
    const std::string narrowGrid =
        "DROP TABLE \"PowerQTK090&180GN5\";\n"
        "CREATE TABLE \"PowerQTK090&180GN5\" (\"LWT\" REAL, \"30OAT\", \"40OAT\");\n"
        "INSERT INTO \"PowerQTK090&180GN5\" VALUES (7, 1, 1);\n";
    const RunEndCase cases[] = {
        {"missing tables",
         "CREATE TABLE Unrelated (x INTEGER);",
         {},
         1,
         "kept",
         {{"JVT", "no such table: Fluid"}}},
        {"unreadable unit row",
         SelectionDatabaseSql() + qtk130 + unreadableUnit,
         {},
         1,
         "replaced",
         {{"JVT", "Read data Error:The field \"Flow_7\" is empty (NULL), not a number."}}},
        {"two grid rows at one LWT",
         SelectionDatabaseSql() + twoRowsAtOneLwt + qtk130,
         {},
         1,
         "replaced",
         // The even modules' capacity ratio is 0 then: outside the envelope.
         {{"JVT", "DATA ERROR!"},
          {"JVT",
           "When the Ambient temperature is more than 35.0 °C,the outlet temperature must be more than -3.50 "
           "°C"}}},
        {"no units in the band",
         SelectionDatabaseSql(),
         {"--launch", "BREXAL", "--compressor", "screw"},
         0,
         "kept",
         {{"JVT", "No suitable models!"}}},
        {"no unit above the largest",
         SelectionDatabaseSql() + qtk130,
         {"--cooling-capacity", "5000"},
         0,
         "kept",
         {{"JVT", "No suitable models!"}}},
        {"ambient beyond the grids",
         SelectionDatabaseSql() + narrowGrid + qtk130,
         {"--ambient", "20"},
         0,
         "kept",
         {{"JVT", "遇到不适当的参数。"}}},
    };
    for (const RunEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureDatabase database(c.sql);
        std::vector<std::string> args = {"select", "--database", database.path()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliResult readable = RunCli(args);
        EXPECT_EQ(readable.exitCode, c.exitCode);
        std::string boxes;
        for (const auto& message : c.messages) boxes += "[" + message.caption + "] " + message.text + "\n";
        EXPECT_TRUE(readable.out.starts_with(boxes + "Model ")) << readable.out;

        args.push_back("--json");
        CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        // A database failure is said on standard error too, in the database's
        // words: the first box of such a run is the failure.
        if (c.exitCode == 0) {
            EXPECT_EQ(result.err, "");
        } else {
            EXPECT_TRUE(result.err.starts_with("keld-cli: database: " + c.messages.front().text + "\n"))
                << result.err;
        }
        JsonValue json = ParseJson(result.out);
        EXPECT_EQ(json["list"].string, c.list);
        EXPECT_EQ(MessagesOf(json), c.messages);
    }
}

}  // namespace
}  // namespace keld::test
