// SPDX-License-Identifier: MIT
// keld-cli select, run as a script runs it: exit codes, what goes to stdout
// and stderr, and the JSON object.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "json_value.h"
#include "support/fixture_database.h"

namespace keld::test {
namespace {

std::vector<std::string> Select(std::vector<std::string> args) {
    args.insert(args.begin(), {"select", "--database", KELD_SHIPPED_DATABASE});
    return args;
}

JsonValue SelectJson(std::vector<std::string> args) {
    args.push_back("--json");
    CliResult result = RunCli(Select(args));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return ParseJson(result.out);
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
    EXPECT_EQ(json["messages"].type, JsonValue::Type::Array);
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

    JsonValue json = SelectJson(args);
    ASSERT_EQ(json["messages"].array.size(), 1u);
    EXPECT_EQ(json["messages"].array[0]["caption"].string, "Cooling");
    EXPECT_EQ(json["messages"].array[0]["text"].string, notice);
    EXPECT_TRUE(json["conditions"]["fluidIsGlycol"].boolean);
    EXPECT_EQ(json["conditions"]["glycolPercent"].number, 10);
}

TEST(CliSelect, AFailedInputCheckClearsTheList) {
    JsonValue json = SelectJson({"--ambient", "50"});
    EXPECT_EQ(json["list"].string, "cleared");
    EXPECT_TRUE(json["rows"].array.empty());
    ASSERT_EQ(json["messages"].array.size(), 1u);
    EXPECT_EQ(json["messages"].array[0]["text"].string,
              "Please input the value of ambient temperature between -8.0 and 44.0 ");
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
        CliResult result = RunCli(Select(args));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
    }
}

TEST(CliSelect, ADatabaseThatCannotBeOpenedExitsWithOne) {
    CliResult missing = RunCli({"select", "--database", "/nonexistent/KELD_Vortan.tbs"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("/nonexistent/KELD_Vortan.tbs"), std::string::npos);

    FixtureDatabase foreignKey("CREATE TABLE t (x INTEGER);", "not the program's password");
    CliResult locked = RunCli({"select", "--database", foreignKey.path(), "--json"});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.out, "");
    EXPECT_NE(locked.err.find("[JVT] "), std::string::npos) << locked.err;
}

// A database that opens but lacks the performance tables: the run shows the
// error and leaves the list as it was.
TEST(CliSelect, ADatabaseErrorDuringTheRunKeepsTheList) {
    FixtureDatabase empty("CREATE TABLE Unrelated (x INTEGER);");
    CliResult result = RunCli({"select", "--database", empty.path(), "--json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    JsonValue json = ParseJson(result.out);
    EXPECT_EQ(json["list"].string, "kept");
    EXPECT_TRUE(json["rows"].array.empty());
    ASSERT_FALSE(json["messages"].array.empty());
    EXPECT_EQ(json["messages"].array[0]["caption"].string, "JVT");
}

}  // namespace
}  // namespace keld::test
