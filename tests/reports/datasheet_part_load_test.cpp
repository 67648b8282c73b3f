// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datasheet_fixture.h"

namespace keld {
namespace {

using test::HasTextAt;
using test::HasTextOnLine;

// Column i of the part-load table starts at 50 + 61.875·i.
constexpr double Column(int i) { return 50 + 61.875 * i; }

DatasheetInputs Gb(DatasheetInputs inputs) {
    inputs.conditions.partLoadStandard = 1;
    return inputs;
}

TEST(PartLoadPage, AhriTableShowsThePointsTheIplvAndTheNplvBox) {
    test::DatasheetRig rig;
    DatasheetInputs inputs = test::CentrifugalInputs();
    inputs.texts = {"Harbour Plant", "Acme Cooling", "City Hospital", "CH-01"};
    ASSERT_TRUE(rig.write(inputs).complete);
    EXPECT_TRUE(rig.messages().empty());
    const auto words = rig.words();

    const struct {
        const char* text;
        double x;
        double y;
    } expected[] = {
        // the header of page 1 again
        {"Software Version", 52, 735},
        {"V 1.0.10", 122, 735},
        {"2022/11/30", 322, 735},
        {"CH-01", 442, 735},
        {"Harbour Plant", 122, 719},
        {"Acme Cooling", 322, 719},
        {"City Hospital", 442, 719},
        {"Print Date:2024/3/7", 460, 749},
        {"Customer", 382, 719},
        // the table's titles and units
        {"Part Load Data", 55, 682},
        {"No.", 75, 654},
        {"Part Load", Column(1) + 13, 660},
        {"Capacity", Column(2) + 14, 660},
        {"Power Input", Column(3) + 7, 660},
        {"Cooling", Column(4) + 19, 667},
        {"Efficiency EER", Column(4) + 5, 657},
        {"OAT", Column(5) + 20, 660},
        {"LWT", Column(6) + 20, 660},
        {"Flow", Column(7) + 20, 660},
        {"%", Column(1) + 25, 640},
        {"kW", Column(2) + 25, 640},
        {"kW", Column(3) + 22, 640},
        {"W/W", Column(4) + 22, 640},
        {"C", Column(5) + 25.5, 640},
        {"o", Column(5) + 23, 644},
        {"C", Column(6) + 25.5, 640},
        {"o", Column(6) + 23, 644},
        {"L/s", Column(7) + 23, 640},
        // the points, full load two points further left
        {"1", 78, 622},
        {"100", Column(1) + 20, 622},
        {"459.2", Column(2) + 22, 622},
        {"135.5", Column(3) + 17, 622},
        {"3.389", Column(4) + 20, 622},
        {"35.0", Column(5) + 20, 622},
        {"6.70", Column(6) + 22, 622},
        {"22.07", Column(7) + 20, 622},
        {"2", 78, 602},
        {"75", Column(1) + 22, 602},
        {"344.4", Column(2) + 22, 602},
        {"77.04", Column(3) + 17, 602},
        {"26.7", Column(5) + 20, 602},
        {"4", 78, 562},
        {"25", Column(1) + 22, 562},
        {"5.240", Column(4) + 20, 562},
        // IPLV from the last point, NPLV from the first
        {"IPLV.IP", 65, 542},
        {"4.980 kW/kW", Column(1) + 20, 542},
        {"IPLV.IP is based on AHRI Standard 550/590 (I-P)", 65, 522},
        {"NPLV.IP", 65, 502},
        {"5.110 kW/kW", Column(1) + 20, 502},
        {"NPLV.IP is based on AHRI Standard 550/590 (I-P)", 65, 482},
    };
    for (const auto& e : expected) {
        EXPECT_TRUE(HasTextAt(words, 2, e.text, e.x, e.y))
            << "\"" << e.text << "\" at (" << e.x << ", " << e.y << "); the line reads \""
            << test::LineText(words, 2, e.y) << "\"";
    }
    EXPECT_TRUE(HasTextOnLine(words, 2, "2/2", 14));
}

TEST(PartLoadPage, GbTableHasItsOwnNoteAndNoNplvBox) {
    test::DatasheetRig rig;
    ASSERT_TRUE(rig.write(Gb(test::CentrifugalInputs())).complete);
    const auto words = rig.words();
    EXPECT_TRUE(HasTextAt(words, 2, "IPLV(GB)", 65, 542));
    EXPECT_TRUE(HasTextAt(words, 2, "IPLV(GB) is based on GB/T 18430.1", 65, 522));
    EXPECT_TRUE(HasTextAt(words, 2, "4.520 kW/kW", Column(1) + 20, 542));
    EXPECT_TRUE(HasTextAt(words, 2, "31.5", Column(5) + 20, 602));
    EXPECT_TRUE(test::FindText(words, 2, "NPLV.IP").empty());
    EXPECT_TRUE(test::FindText(words, 2, "IPLV.IP").empty());
}

// The IPLV follows the last point: one row higher with three points, one
// lower with five (where it runs into the note, as the layout has it).
TEST(PartLoadPage, IplvFollowsTheNumberOfPoints) {
    const struct {
        DatasheetInputs inputs;
        const char* iplv;
        double y;
    } cases[] = {
        {test::HeatPumpInputs(), "4.620", 562},
        {test::ScrewChillerInputs("QSK325GV5-LQE"), "5.360", 522},
    };
    for (const auto& c : cases) {
        test::DatasheetRig rig;
        ASSERT_TRUE(rig.write(c.inputs).complete);
        EXPECT_TRUE(HasTextAt(rig.words(), 2, c.iplv, Column(1) + 20, c.y)) << c.iplv;
    }
}

TEST(PartLoadPage, ModelWithoutPointsGetsTheEmptyTableAndZeroValues) {
    test::DatasheetRig rig;
    ASSERT_TRUE(rig.write(test::ScrewChillerInputs("QSK200GV5-LQE")).complete);
    EXPECT_TRUE(rig.messages().empty());
    const auto words = rig.words();
    const std::string zero = "0.00000 kW/kW";
    EXPECT_TRUE(HasTextAt(words, 2, zero, Column(1) + 20, 622)) << test::LineText(words, 2, 622);
    EXPECT_TRUE(HasTextAt(words, 2, zero, Column(1) + 20, 502)) << test::LineText(words, 2, 502);
    EXPECT_TRUE(HasTextAt(words, 2, "IPLV.IP", 65, 542));
    EXPECT_EQ(test::LineText(words, 2, 602), "2");
}

TEST(PartLoadPage, MissingPartLoadTableShowsTheErrorAndFinishesThePage) {
    std::string sql = test::kDatasheetTablesSql;
    sql += "DROP TABLE QSK_QHK_R134a_AHRI;";
    test::DatasheetRig rig(sql);
    const ExportResult result = rig.write(test::CentrifugalInputs());
    // Written to the end, but without its part-load figures.
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_FALSE(result.complete);
    // The failed statement, once: not again as the error of reading its result.
    EXPECT_EQ(rig.messages(),
              (std::vector<test::RecordingSink::Message>{{"JVT", "no such table: QSK_QHK_R134a_AHRI"}}));
    const auto words = rig.words();
    EXPECT_TRUE(HasTextAt(words, 2, "NPLV.IP", 65, 502));
    EXPECT_TRUE(HasTextOnLine(words, 2, "2/2", 14));
}

TEST(PartLoadPage, MissingDatasheetTableShowsTheErrorAndKeepsBothPages) {
    std::string sql = test::kDatasheetTablesSql;
    sql += "DROP TABLE EXCEL_NEW;";
    test::DatasheetRig rig(sql);
    const ExportResult result = rig.write(test::CentrifugalInputs());
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_FALSE(result.complete);
    // The failed statement, once; page 1's values end there, page 2 runs its
    // own statement.
    EXPECT_EQ(rig.messages(),
              (std::vector<test::RecordingSink::Message>{{"JVT", "no such table: EXCEL_NEW"}}));
    const auto words = rig.words();
    EXPECT_TRUE(HasTextAt(words, 1, "QTK130GN5-LQE", 132, 687));
    EXPECT_TRUE(HasTextAt(words, 2, "4.980 kW/kW", Column(1) + 20, 542));
}

}  // namespace
}  // namespace keld
