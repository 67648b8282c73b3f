// SPDX-License-Identifier: MIT
// The unit tables, the datasheet table and the part-load tables of the
// shipped database: every unit of the three series is selectable with the
// codes a run uses, and each one has its datasheet row and part-load points.
#include <string>
#include <vector>

#include "base/format_text.h"
#include "db/schema.h"
#include "shipped_database.h"

namespace keld::test {
namespace {

struct UnitTable {
    std::string candidateQuery;
    std::vector<const char*> ownColumns;  // beside the common ones
    std::map<std::string, std::string> connectByModel;
};

// The codes every run asks for: chiller (the QHK query also uses 0), R134a,
// standard version, no heat recovery; Centre 1 is the screw compressor. The
// band holds every unit.
constexpr int kChiller = 0, kR134a = 2, kStandard = 0, kNoRecovery = 0, kScrew = 1;
constexpr double kBandLow = 0, kBandHigh = 100000;

const std::vector<const char*> kCommonUnitColumns = {
    schema::kUnitType,      schema::kUnitRefrig,     schema::kUnitVersion, schema::kUnitRecycle,
    schema::kUnitCapacity,  schema::kUnitModelName,  schema::kUnitConnect, schema::kUnitFlow7,
    schema::kUnitFlowRange, schema::kUnitWaterPress, schema::kUnitFlowTow};

const std::vector<UnitTable> kUnitTables = {
    {FormatText(schema::kCandidateQueryQtk, kChiller, kR134a, kStandard, kNoRecovery, kBandLow, kBandHigh),
     {schema::kUnitPower},
     {{"QTK090GN5-LQE", "0"},
      {"QTK130GN5-LQE", "1"},
      {"QTK180GN5-LQE", "2"},
      {"QTK260GN5-LQE", "3"},
      {"QTK220GN5-LQE", "0+1"},
      {"QTK310GN5-LQE", "1+2"},
      {"QTK350GN5-LQE", "0+3"},
      {"QTK390GN5-LQE", "1+3"},
      {"QTK440GN5-LQE", "2+3"}}},
    {FormatText(schema::kCandidateQueryQhk, kChiller, kR134a, kStandard, kNoRecovery, kBandLow, kBandHigh),
     {schema::kUnitCapacity7, schema::kUnitPower7, schema::kUnitFlow7H},
     {{"QHK125GP5-LQE", "0"},
      {"QHK150GP5-LQE", "1"},
      {"QHK175GP5-LQE", "2"},
      {"QHK245GP5-LQE", "0+0"},
      {"QHK266GP5-LQE", "0+1"},
      {"QHK291GP5-LQE", "0+2"},
      {"QHK300GP5-LQE", "1+1"},
      {"QHK355GP5-LQE", "2+2"}}},
    {FormatText(schema::kCandidateQueryGv5, kScrew, kChiller, kR134a, kStandard, kNoRecovery, kBandLow,
                kBandHigh),
     {schema::kUnitCentre, schema::kUnitCapacity7, schema::kUnitPower7},
     {{"QSK145GV5-LQE", "0"},
      {"QSK185GV5-LQE", "1"},
      {"QSK215GV5-LQE", "2"},
      {"QSK240GV5-LQE", "3"},
      {"QSK260GV5-LQE", "4"},
      {"QSK275GV5-LQE", "5"},
      {"QSK315GV5-LQE", "6"},
      {"QSK325GV5-LQE", "7"},
      {"QSK335GV5-LQE", "8"},
      {"QSK365GV5-LQE", "9"},
      {"QSK380GV5-LQE", "10"},
      {"QSK395GV5-LQE", "11"},
      {"QSK620GV5-LQE", "10+3"},
      {"QSK630GV5-LQE", "6+6"},
      {"QSK670GV5-LQE", "8+8"},
      {"QSK730GV5-LQE", "9+9"},
      {"QSK760GV5-LQE", "11+9"}}},
};

const std::vector<const char*> kDatasheetColumns = {schema::kExcelModelName,
                                                    schema::kExcelFlow7,
                                                    schema::kExcelStdCapacity7,
                                                    schema::kExcelStdPower7,
                                                    schema::kExcelWaterResistance,
                                                    schema::kExcelSize,
                                                    schema::kExcelFanNum,
                                                    schema::kExcelFan,
                                                    schema::kExcelFanPower,
                                                    schema::kExcelCompressorType,
                                                    schema::kExcelNum,
                                                    schema::kExcelQuality,
                                                    schema::kExcelOnQuality,
                                                    schema::kExcelLengthWideHigh,
                                                    schema::kExcelNoise,
                                                    schema::kExcelPowerSupply,
                                                    schema::kExcelRateCurrent,
                                                    schema::kExcelSafeCurrent};

struct PartLoadTable {
    const char* queryFormat;
    std::vector<double> iplvWeights;  // of the points at 100, 75, 50 and 25 % load
};

const std::vector<PartLoadTable> kPartLoadTables = {
    {schema::kPartLoadAhriByModel, {0.01, 0.42, 0.45, 0.12}},
    {schema::kPartLoadGbByModel, {0.023, 0.415, 0.461, 0.101}},
};
const std::vector<const char*> kPartLoadColumns = {
    schema::kPartLoadModelName, schema::kPartLoadLoad, schema::kPartLoadCapacity,
    schema::kPartLoadPower,     schema::kPartLoadCop,  schema::kPartLoadOat,
    schema::kPartLoadLwt,       schema::kPartLoadFlow, schema::kPartLoadIplv};

void ExpectColumns(const Row& row, const std::vector<const char*>& columns) {
    for (const char* column : columns) {
        auto cell = row.find(column);
        ASSERT_NE(cell, row.end()) << column;
        EXPECT_NE(cell->second, "") << column;
    }
}

// The text before and after the first `separator`, as the runs split it.
std::pair<std::string, std::string> Split(const std::string& text, char separator) {
    const auto at = text.find(separator);
    return {text.substr(0, at), at == std::string::npos ? "" : text.substr(at + 1)};
}

class ShippedUnits : public ShippedDatabase {
protected:
    std::vector<Row> Units() {
        std::vector<Row> units;
        for (const UnitTable& table : kUnitTables) {
            for (const Row& row : Rows(table.candidateQuery)) units.push_back(row);
        }
        return units;
    }
};

TEST_F(ShippedUnits, EveryUnitIsACandidateWithItsModulesAndAFlowRangeAroundItsRating) {
    using namespace schema;
    for (const UnitTable& table : kUnitTables) {
        SCOPED_TRACE(table.candidateQuery);
        std::map<std::string, std::string> connectByModel;
        for (const Row& unit : Rows(table.candidateQuery)) {
            SCOPED_TRACE(unit.at(kUnitModelName));
            ExpectColumns(unit, kCommonUnitColumns);
            ExpectColumns(unit, table.ownColumns);
            connectByModel[unit.at(kUnitModelName)] = unit.at(kUnitConnect);

            const bool twoModules = unit.at(kUnitConnect).find('+') != std::string::npos;
            EXPECT_EQ(unit.at(kUnitWaterPress).find('/') != std::string::npos, twoModules);
            EXPECT_EQ(unit.at(kUnitFlowTow).find('/') != std::string::npos, twoModules);

            // The runs check the chilled and the hot water against the same range.
            const auto [minimum, maximum] = Split(unit.at(kUnitFlowRange), '-');
            for (const char* ratedFlow : {kUnitFlow7, kUnitFlow7H}) {
                if (!unit.contains(ratedFlow)) continue;
                EXPECT_LE(Number(minimum), Number(unit.at(ratedFlow))) << ratedFlow;
                EXPECT_GE(Number(maximum), Number(unit.at(ratedFlow))) << ratedFlow;
            }
        }
        EXPECT_EQ(connectByModel, table.connectByModel);
    }
}

TEST_F(ShippedUnits, EveryUnitHasOneFullDatasheetRowAtItsRatedFlow) {
    for (const Row& unit : Units()) {
        const std::string name = unit.at(schema::kUnitModelName);
        SCOPED_TRACE(name);
        const auto sheets = Rows(FormatText(schema::kExcelNewByModel, name.c_str()));
        ASSERT_EQ(sheets.size(), 1u);
        ExpectColumns(sheets[0], kDatasheetColumns);
        EXPECT_DOUBLE_EQ(Number(sheets[0].at(schema::kExcelFlow7)), Number(unit.at(schema::kUnitFlow7)));
    }
}

TEST_F(ShippedUnits, EveryUnitHasFourPartLoadPointsAndTheirWeightedIplv) {
    using namespace schema;
    const std::vector<double> loads = {1, 0.75, 0.5, 0.25};
    for (const PartLoadTable& table : kPartLoadTables) {
        for (const Row& unit : Units()) {
            const std::string query = FormatText(table.queryFormat, unit.at(kUnitModelName).c_str());
            SCOPED_TRACE(query);
            const auto points = Rows(query);
            ASSERT_EQ(points.size(), loads.size());
            double weightedCop = 0;
            for (size_t i = 0; i < points.size(); ++i) {
                ExpectColumns(points[i], kPartLoadColumns);
                EXPECT_DOUBLE_EQ(Number(points[i].at(kPartLoadLoad)), loads[i]);
                const double cop = Number(points[i].at(kPartLoadCop));
                EXPECT_NEAR(cop,
                            Number(points[i].at(kPartLoadCapacity)) / Number(points[i].at(kPartLoadPower)),
                            0.005);
                EXPECT_EQ(points[i].at(kPartLoadIplv), points[0].at(kPartLoadIplv));
                weightedCop += table.iplvWeights[i] * cop;
            }
            EXPECT_NEAR(Number(points[0].at(kPartLoadIplv)), weightedCop, 0.005);
        }
    }
}

}  // namespace
}  // namespace keld::test
