// SPDX-License-Identifier: MIT
// Each centrifugal module reads the grids of its own compressor: the 130 and
// the 260 share one pair of grids, the 090 and the 180 the other. Away from
// the rating point the two pairs differ, so a unit's figures over its rating
// must be close to those of the module that shares its grids, and apart from
// the other pair's.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "selection/result_columns.h"
#include "session/selection_session.h"
#include "shipped_options.h"

namespace keld {
namespace {

// The duty's point: 30 °C ambient, 9 °C leaving water.
UnitPerformance FiguresAt(const std::string& model, const std::string& capacity) {
    const std::vector<std::string> args = {"--cooling-capacity", capacity, "--ambient", "30",
                                           "--outlet",           "9",      "--inlet",   "14"};
    SelectionSession session(test::ShippedOptionsOf(args));
    if (!session.openDatabase()) {
        ADD_FAILURE() << "the shipped database does not open";
        return {};
    }
    session.runSelection();
    const ResultTable& rows = session.page().results();
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.row(r)[column::kModel] == model) return rows.recordOfRow(r)->figures;
    }
    ADD_FAILURE() << model << " is not listed at " << capacity << " kW";
    return {};
}

TEST(CentrifugalModules, EachReadsTheGridsOfItsCompressor) {
    struct Unit {
        const char* model;
        const char* capacity;  // a duty that lists it
    };
    const Unit k090{"QTK090GN5-LQE", "310"};
    const Unit k130{"QTK130GN5-LQE", "459"};
    const Unit k180{"QTK180GN5-LQE", "625"};
    const Unit k260{"QTK260GN5-LQE", "914"};
    const struct {
        Unit unit;
        Unit sharesGridsWith;
        Unit other;
    } pairs[] = {{k260, k130, k090}, {k180, k090, k130}};
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.unit.model);
        const UnitPerformance unit = FiguresAt(p.unit.model, p.unit.capacity);
        const UnitPerformance same = FiguresAt(p.sharesGridsWith.model, p.sharesGridsWith.capacity);
        const UnitPerformance other = FiguresAt(p.other.model, p.other.capacity);
        // How far a unit's figures over its rating stray from another's: a
        // few parts in a hundred thousand for units on the same grids (their
        // rows differ in more than the rating), parts in a thousand across.
        auto stray = [&unit](const UnitPerformance& to, double UnitPerformance::*figure,
                             double UnitPerformance::*rating) {
            return std::abs((unit.*figure / to.*figure) / (unit.*rating / to.*rating) - 1);
        };
        EXPECT_LT(stray(same, &UnitPerformance::coolingCapacity, &UnitPerformance::ratedCapacity), 1e-3);
        EXPECT_LT(stray(same, &UnitPerformance::coolingPower, &UnitPerformance::ratedPower), 1e-3);
        EXPECT_GT(stray(other, &UnitPerformance::coolingCapacity, &UnitPerformance::ratedCapacity), 3e-3);
        EXPECT_GT(stray(other, &UnitPerformance::coolingPower, &UnitPerformance::ratedPower), 3e-3);
    }
}

}  // namespace
}  // namespace keld
