// SPDX-License-Identifier: MIT
// The performance grids and correction tables of the shipped database: they
// cover every condition the input checks let through, leave a default run
// uncorrected, and mark points without data only where no run can use them.
#include <cmath>
#include <string>
#include <vector>

#include "base/format_text.h"
#include "db/lookups.h"
#include "db/schema.h"
#include "shipped_database.h"

namespace keld::test {
namespace {

struct Grid {
    const char* table;
    int ratingOat, ratingLwt;  // where the ratio is exactly 1
    int lowestOat, highestOat, lowestLwt, highestLwt;
    // Only the grids of the 090/180 modules may mark points without data: the
    // run rejects a candidate when their capacity ratio is 0, while the 130/260
    // capacity ratio sizes the candidate band and must never be 0.
    bool mayLackData;
};

const std::vector<Grid> kGrids = {
    {schema::kCapacityQtk090, 35, 7, -8, 44, 4, 15, true},
    {schema::kPowerQtk090, 35, 7, -8, 44, 4, 15, true},
    {schema::kCapacityQtk130, 35, 7, -8, 44, 4, 15, false},
    {schema::kPowerQtk130, 35, 7, -8, 44, 4, 15, false},
    {schema::kCapacityQhk, 35, 7, -8, 50, 4, 35, false},
    {schema::kPowerQhk, 35, 7, -8, 50, 4, 35, false},
    {schema::kCapacityQhkHeating, 7, 45, -15, 50, 25, 55, false},
    {schema::kPowerQhkHeating, 7, 45, -15, 50, 25, 55, false},
    {schema::kCapacityQskGv5, 35, 7, 5, 50, 4, 35, false},
    {schema::kPowerQskGv5, 35, 7, 5, 50, 4, 35, false},
};

struct KeyTable {
    const char* table;
    const char* key;
    std::vector<const char*> values;
    double lowest, highest;  // the keys the runs pass
    double neutral;          // where every factor is exactly 1; NaN when there is none
};

const std::vector<KeyTable> kKeyTables = [] {
    using namespace schema;
    const std::vector<const char*> factors = {kCorrectionCapacity, kCorrectionPowerC, kCorrectionHotCapacity,
                                              kCorrectionPowerH};
    std::vector<const char*> fluidFactors = factors;
    fluidFactors.insert(fluidFactors.end(), {kCorrectionWaterPd, kCorrectionFlow});
    return std::vector<KeyTable>{
        {kHigh, kHighth, factors, 0, 1800, 0},
        {kDirt, kDirt, factors, 0, 0.132, 0.018},
        {kFluid, kConcertration, fluidFactors, 0, 50, 0},
        {kWaterTem, kWaterout, {kCorrectionCapacity, kCorrectionPower}, -8, 4, NAN},
        {kWaterPd, kCorrectionFlow, {kConference}, 0.5, 1.3, 1},
        {kWaterPd2, kCorrectionFlow, {kConference}, 0.5, 1.3, 1},
        {kWaterPdGv5, kCorrectionFlow, {kConference, kConference2}, 0.3, 1.5, 1},
    };
}();

// A centrifugal run rejects a point above 40 °C ambient whose leaving water lies
// below 1.5 x ambient - 56. A lookup reads the cell (oat, lwt) for ambients
// in (oat - 1, oat + 1) and leaving water in (lwt - 1, lwt + 1); the cell may
// lack data only when every one of those points is rejected anyway.
bool EnvelopeRejectsEveryLookupOf(int oat, int lwt) {
    return oat - 1 >= 40 && lwt + 1 <= 1.5 * (oat - 1) - 56;
}

class ShippedGrids : public ShippedDatabase {};

TEST_F(ShippedGrids, CoverEveryWholeDegreeAndLackDataOnlyOutsideTheEnvelope) {
    for (const Grid& grid : kGrids) {
        SCOPED_TRACE(grid.table);
        const auto rows = Rows(FormatText("select * from [%s]", grid.table));
        ASSERT_EQ(rows.size(), static_cast<size_t>(grid.highestLwt - grid.lowestLwt + 1));
        for (size_t i = 0; i < rows.size(); ++i) {
            const int lwt = grid.lowestLwt + static_cast<int>(i);
            ASSERT_EQ(Number(rows[i].at(schema::kGridLwt)), lwt);
            for (int oat = grid.lowestOat; oat <= grid.highestOat; ++oat) {
                const std::string column = FormatText(schema::kOatColumnFormat, std::to_string(oat).c_str());
                const auto cell = rows[i].find(column);
                ASSERT_NE(cell, rows[i].end()) << column;
                if (NotAvailableCell(cell->second)) {
                    EXPECT_TRUE(grid.mayLackData && EnvelopeRejectsEveryLookupOf(oat, lwt))
                        << oat << "/" << lwt;
                } else {
                    EXPECT_GT(Number(cell->second), 0.3) << oat << "/" << lwt << ": " << cell->second;
                }
            }
        }
    }
}

TEST_F(ShippedGrids, AreExactlyOneAtTheirRatingPoint) {
    for (const Grid& grid : kGrids) {
        EXPECT_EQ(LookupOatLwt(database_, grid.table, grid.ratingOat, grid.ratingLwt), 1.0) << grid.table;
    }
}

TEST_F(ShippedGrids, CorrectionTablesAscendOverTheKeysTheRunsPassAndAreOneWhereUncorrected) {
    for (const KeyTable& table : kKeyTables) {
        SCOPED_TRACE(table.table);
        const auto rows = Rows(FormatText("select * from %s", table.table));
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(Number(rows.front().at(table.key)), table.lowest);
        EXPECT_GE(Number(rows.back().at(table.key)), table.highest);
        for (size_t i = 1; i < rows.size(); ++i) {
            EXPECT_LT(Number(rows[i - 1].at(table.key)), Number(rows[i].at(table.key)));
        }
        for (const char* value : table.values) {
            ASSERT_TRUE(rows.front().contains(value)) << value;
            if (!std::isnan(table.neutral)) {
                EXPECT_EQ(LookupByKey(database_, table.neutral, value, table.table, table.key), 1.0) << value;
            }
        }
    }
}

}  // namespace
}  // namespace keld::test
