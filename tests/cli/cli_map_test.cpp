// SPDX-License-Identifier: MIT
// keld-cli map as a script runs it: the CSV and JSON forms, the statuses at
// and beyond a grid's edge, and the usage it refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_process.h"
#include "json_value.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

CliResult Map(std::vector<std::string> args) {
    args.insert(args.begin(), {"map", "--database", KELD_SHIPPED_DATABASE});
    return RunCli(args);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliMap, CsvHasAHeaderWithUnitsAndAPointPerLine) {
    const CliResult result = Map({"--model", "QTK130GN5-LQE", "--ambient", "34:36:1", "--outlet", "7:8:1",
                                  "--cooling-capacity", "450"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 7u);  // the header and 3 ambients × 2 leaving waters
    EXPECT_EQ(lines[0],
              "circuit,ambient_C,leavingWater_C,capacity_kW,power_kW,efficiency,waterFlow_Ls,inletTemp_C,"
              "pressureDrop_kPa,status,reason");
    // The row select lists at the rating point: 459.2 kW, 135.5 kW, 22.07 L/s, 61.8 kPa.
    EXPECT_EQ(lines[2], "cooling,35,7,459.2,135.5,3.389,22.07,12.00,61.8,ok,");
    EXPECT_EQ(lines[4].substr(0, 13), "cooling,34,8,");
}

// The grid of the QTK units spans -8 to 44 °C ambient and 4 to 15 °C leaving
// water: its last row is mapped, the next step beyond it is not.
TEST(CliMap, PointsBeyondTheGridAreNeverExtrapolated) {
    const CliResult result = Map({"--model", "QTK130GN5-LQE", "--ambient", "30:30:1", "--outlet", "14:16:1"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[1].find(",14,"), std::string::npos);
    EXPECT_NE(lines[1].find(",ok,"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(",ok,"), std::string::npos) << lines[2];
    // 16 °C is beyond the page's outlet limit of 15 °C as well: the page's
    // message says so first.
    EXPECT_NE(lines[3].find(",envelope,"), std::string::npos) << lines[3];
}

TEST(CliMap, JsonGivesEachPointsStatusAndSelectsFigures) {
    const CliResult result =
        Map({"--model", "QHK125GP5-LQE", "--compressor", "screw", "--ambient", "35:35:1", "--outlet", "7:7:1",
             "--heating-ambient", "7:7:1", "--heating-outlet", "45:45:1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const JsonValue json = ParseJson(result.out);
    EXPECT_EQ(json["model"].string, "QHK125GP5-LQE");
    EXPECT_EQ(json["series"].string, "QHK");
    ASSERT_EQ(json["cooling"].array.size(), 1u);
    ASSERT_EQ(json["heating"].array.size(), 1u);
    const JsonValue& heating = json["heating"].array.front();
    EXPECT_EQ(heating["status"].string, "ok");
    EXPECT_EQ(heating["reason"].type, JsonValue::Type::Null);
    const JsonValue& figures = heating["figures"];
    EXPECT_DOUBLE_EQ(heating["efficiency"].number,
                     figures["heatingCapacity_kW"].number / figures["heatingPower_kW"].number);
}

// The EnergyPlus model: the chiller and its three curves in the file, the
// same curves with their fit errors in the JSON; a duty that leaves no
// rating point gives no model, and the program's own files are never the
// target.
TEST(CliMap, EnergyPlusModelGoesToItsFileAndIntoTheJson) {
    ScratchFolder folder;
    const std::string idf = folder.file("unit.idf");
    const CliResult result = Map({"--model", "WOQ260GV5-LQEE", "--launch", "00BREXAL", "--compressor",
                                  "screw", "--energyplus", idf, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string text = ReadFile(idf);
    for (const char* object : {"Chiller:Electric:EIR,", "Curve:Biquadratic,", "Curve:Quadratic,"}) {
        EXPECT_NE(text.find(object), std::string::npos) << object;
    }
    const JsonValue json = ParseJson(result.out);
    EXPECT_EQ(json["energyplus"]["name"].string, "WOQ260GV5-LQEE");
    EXPECT_GT(json["energyplus"]["referenceCop"].number, 0);

    const CliResult noRatingPoint = Map({"--model", "QTK130GN5-LQE", "--flow", "60", "--energyplus", idf});
    EXPECT_EQ(noRatingPoint.exitCode, 1);
    EXPECT_NE(noRatingPoint.err.find("no energy model"), std::string::npos) << noRatingPoint.err;
    EXPECT_EQ(ReadFile(idf), text) << "a failed model leaves the earlier file as it was";

    const CliResult overTheDatabase =
        Map({"--model", "QTK130GN5-LQE", "--energyplus", KELD_SHIPPED_DATABASE});
    EXPECT_EQ(overTheDatabase.exitCode, 1);
    EXPECT_NE(overTheDatabase.err.find("will not write the energy model"), std::string::npos);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

TEST(CliMap, WrongUsageSaysWhichAndExitsWithTwo) {
    const UsageCase cases[] = {
        {"no model", {}, "map needs --model NAME"},
        {"not sold by the brand", {"--model", "WOTA130GN5-LQE"}, "Norvex sells no unit 'WOTA130GN5-LQE'"},
        {"not in the series", {"--model", "QHK125GP5-LQE"}, "it sells: QTK090GN5-LQE"},
        {"hidden by the launch",
         {"--launch", "14BREXAL", "--compressor", "screw", "--model", "WOQ260GV5-LQEE"},
         "sells no unit 'WOQ260GV5-LQEE'"},
        {"reversed", {"--model", "QTK130GN5-LQE", "--ambient", "35:30:1"}, "give FROM no higher than TO"},
        {"no step", {"--model", "QTK130GN5-LQE", "--outlet", "5:10:0"}, "needs a STEP above 0"},
        {"not numbers", {"--model", "QTK130GN5-LQE", "--outlet", "5:x:1"}, "takes FROM:TO:STEP"},
        {"too many points", {"--model", "QTK130GN5-LQE", "--ambient", "0:40:0.2"}, "more than 200 points"},
        {"a range twice",
         {"--model", "QTK130GN5-LQE", "--ambient", "0:4:1", "--ambient", "0:4:1"},
         "given twice"},
    };
    for (const UsageCase& c : cases) {
        const CliResult result = Map(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.name;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, "") << c.name;
    }
}

TEST(CliMap, ARefusedDutyGivesNoMapAndSaysWhy) {
    const CliResult result = Map({"--model", "QTK130GN5-LQE", "--fouling", "0.5"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("the duty is refused"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace keld::test
