// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datasheet_fixture.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

using test::DatasheetRig;
using test::HasTextAt;

// A text expected on page 1 at the start of its first visible character.
struct Placed {
    const char* text;
    double x;
    double y;
};

void ExpectPlaced(const std::vector<test::PdfWord>& words, const std::vector<Placed>& expected,
                  const std::string& context = "") {
    for (const Placed& p : expected) {
        EXPECT_TRUE(HasTextAt(words, 1, p.text, p.x, p.y))
            << context << ": \"" << p.text << "\" at (" << p.x << ", " << p.y << "); the line reads \""
            << test::LineText(words, 1, p.y) << "\"";
    }
}

TEST(DatasheetPage1, LabelsUnitsAndHeaderStandInTheirCells) {
    DatasheetRig rig;
    DatasheetInputs inputs = test::CentrifugalInputs();
    inputs.texts = {"Harbour Plant", "Acme Cooling", "City Hospital", "CH-01"};
    ASSERT_EQ(rig.write(inputs).status, ExportStatus::Written);
    EXPECT_TRUE(rig.messages().empty());

    const auto words = rig.words();
    ExpectPlaced(words, {
                            // header box and project box
                            {"Air cooled chiller(heat pump)", 233.35, 772},
                            {"selection report", 258.3, 759},
                            {"Software Version", 52, 735},
                            {"V 1.0.10", 122, 735},
                            {"Last Updated Date", 217, 735},
                            {"2022/11/30", 322, 735},
                            {"Tag No.", 382, 735},
                            {"CH-01", 442, 735},
                            {"Project", 52, 719},
                            {"Harbour Plant", 122, 719},
                            {"Distributor", 217, 719},
                            {"Acme Cooling", 322, 719},
                            {"Customer", 382, 719},
                            {"City Hospital", 442, 719},
                            {"Print Date:2024/3/7", 460, 749},
                            {"Model", 52, 687},
                            {"Refrigerant", 217, 687},
                            {"R134a", 332, 687},
                            // section bars
                            {"Selection Parameters", 52, 655},
                            {"Evaporator", 52, 511},
                            {"Condenser", 217, 511},
                            {"Evaporator(Water)", 382, 511},
                            {"Physical Parameters", 52, 383},
                            {"Electrical Parameters", 52, 287},
                            {"Note", 52, 223},
                            // selection parameters, three columns
                            {"Cooling", 112, 639},
                            {"Heating", 277, 639},
                            {"Cooling(Water)", 442, 639},
                            {"Cooling Capacity", 52, 623},
                            {"Heating Capacity", 217, 623},
                            {"Cooling Capacity", 382, 623},
                            {"Power Input", 52, 607},
                            {"Power Input", 217, 607},
                            {"Power Input", 382, 607},
                            {"Cooling Efficiency EER", 52, 591},
                            {"Heating Efficiency COP", 217, 591},
                            {"Cooling Efficiency EER", 382, 591},
                            {"Water Flow", 52, 575},
                            {"Water Flow", 382, 575},
                            {"Ambient Temperature", 52, 559},
                            {"Ambient Temperature", 382, 559},
                            {"EWT/LWT", 52, 543},
                            {"EWT/LWT", 217, 543},
                            {"EWT/LWT", 382, 543},
                            {"kW", 136, 623},
                            {"kW", 301, 623},
                            {"kW", 471, 623},
                            {"kW", 136, 607},
                            {"W/W", 136, 591},
                            {"W/W", 301, 591},
                            {"W/W", 471, 591},
                            {"L/s", 136, 575},
                            {"L/s", 471, 575},
                            // evaporator and condenser
                            {"Type", 382, 495},
                            {"Inlet/Outlet Diameter inch", 52, 479},
                            {"Fan Motor No.", 217, 479},
                            {"Inlet/Outlet Diameter inch", 382, 479},
                            {"WPD", 52, 463},
                            {"Air Flow", 217, 463},
                            {"WPD", 382, 463},
                            {"Water Side Pressure", 52, 447},
                            {"Fan Power", 217, 447},
                            {"Fouling Factor", 52, 431},
                            {"Altitude", 217, 431},
                            {"Fouling Factor", 382, 431},
                            {"Glycol Concentration %", 52, 415},
                            {"Glycol Concentration %", 382, 415},
                            {"kPa", 132, 463},
                            {"10", 297, 463},
                            {"kPa", 471, 463},
                            {"MPa", 132, 447},
                            {"kW", 297, 447},
                            {"MPa", 471, 447},
                            {"m", 297, 431},
                            // °C: "C" 2.5 points right of the unit's place, a
                            // small "o" raised 4 points at the place itself
                            {"C", 138.5, 559},
                            {"o", 136, 563},
                            {"C", 303.5, 543},
                            {"o", 301, 547},
                            {"C", 473.5, 559},
                            {"o", 471, 563},
                            // m²·K/kW and 10⁴ m³/h: raised digits and the middle dot
                            {"2", 138, 434},
                            {"·", 139, 431},
                            {"2", 459, 434},
                            {"·", 460, 431},
                            {"4", 306, 468},
                            {"3", 314, 468},
                            // physical and electrical
                            {"Shipping Weight kg", 299.5, 367},
                            {"Compressor Model", 52, 351},
                            {"Running Weight kg", 299.5, 351},
                            {"Compressor No.", 52, 335},
                            {"L*W*H mm", 299.5, 335},
                            {"Throttle Device", 52, 319},
                            {"EXV", 172, 319},
                            {"Noise Level dB(A)", 299.5, 319},
                            {"Power Supply", 52, 271},
                            {"Rated Current", 52, 255},
                            {"A", 132, 255},
                            {"Max Running Current", 299.5, 255},
                            {"A", 389.5, 255},
                        });
    EXPECT_TRUE(test::HasTextOnLine(words, 1, "1/2", 10));
}

// The values of one unit: its duty from the row, its data from "EXCEL_NEW".
TEST(DatasheetPage1, CentrifugalWaterRowFillsColumnOneAndDashesTheOthers) {
    DatasheetRig rig;
    ASSERT_EQ(rig.write(test::CentrifugalInputs()).status, ExportStatus::Written);
    const auto words = rig.words();
    ExpectPlaced(words, {
                            {"QTK130GN5-LQE", 132, 687},
                            {"459.2", 172, 623},
                            {"135.5", 172, 607},
                            {"3.389", 172, 591},
                            {"22.07", 172, 575},
                            {"35.0", 172, 559},
                            {"12.00/7.00", 172, 543},
                            {"5", 172, 479},
                            {"61.8", 172, 463},
                            {"1.0", 172, 447},
                            {"0.0180", 172, 431},
                            {"0", 172, 415},
                            {"10", 337, 479},
                            {"17.7", 337, 463},
                            {"18.50", 337, 447},
                            {"0.0000", 337, 431},
                            {"KTC130", 172, 351},
                            {"1", 172, 335},
                            {"4570", 442, 367},
                            {"4780", 442, 351},
                            {"6350x2250x2480", 442, 335},
                            {"82.0", 442, 319},
                            {"380V/3Ph/50Hz", 172, 271},
                            {"266", 172, 255},
                            {"346", 442, 255},
                        });
    for (double y : {623, 607, 591, 575, 559, 543}) {
        EXPECT_TRUE(HasTextAt(words, 1, "-", 337, y)) << y;
        EXPECT_TRUE(HasTextAt(words, 1, "-", 502, y)) << y;
    }
    for (double y : {495, 479, 463, 447, 431, 415}) EXPECT_TRUE(HasTextAt(words, 1, "-", 502, y)) << y;
}

struct BranchCase {
    const char* name;
    DatasheetInputs inputs;
    std::vector<Placed> expected;
};

class DatasheetBranch : public ::testing::TestWithParam<BranchCase> {};

TEST_P(DatasheetBranch, TypeTextsAndValueColumnsFollowTheUnit) {
    DatasheetRig rig;
    ASSERT_EQ(rig.write(GetParam().inputs).status, ExportStatus::Written);
    EXPECT_TRUE(rig.messages().empty());
    ExpectPlaced(rig.words(), GetParam().expected, GetParam().name);
}

DatasheetInputs Brexal(DatasheetInputs inputs, const char* shownName) {
    inputs.brand = "BREXAL";
    inputs.modelName = shownName;
    return inputs;
}

DatasheetInputs AtSite(DatasheetInputs inputs, float fouling, float altitude) {
    inputs.conditions.foulingFactor = fouling;
    inputs.conditions.altitude = altitude;
    return inputs;
}

const BranchCase kBranches[] = {
    {"centrifugal",
     test::CentrifugalInputs(),
     {{"Type High Efficiency Flooded", 52, 495},
      {"Type Copper Tube Aluminum Fins", 217, 495},
      {"Compressor Type Magnetic Bearing Oil Free", 52, 367},
      {"Starter Type Variable Frequency Starting", 299.5, 271}}},
    {"screw chiller with finned coil, glycol, BREXAL",
     Brexal(test::WithGlycol(test::ScrewChillerInputs("QSK325GV5-LQE")), "WOQ325GV5-LQEE"),
     {{"WOQ325GV5-LQEE", 132, 687},
      {"Type High Efficiency DX Shell and Tube", 52, 495},
      {"High Efficiency DX Shell and Tube", 442, 495},
      {"Type Copper Tube Aluminum Fins", 217, 495},
      {"Compressor Type Inverter Semi-hermetic Single-Screw", 52, 367},
      {"Starter Type Variable Frequency Starting", 299.5, 271},
      // the water column shows the standard rating with water, held in
      // single precision: 349.15 is 349.149994 there
      {"1135", 502, 623},
      {"349.1", 502, 607},
      {"3.251", 502, 591},
      {"54.30", 502, 575},
      {"35.0", 502, 559},
      {"12.00/7.00", 502, 543},
      {"6", 502, 479},
      {"71.0", 502, 463},
      {"1.0", 502, 447},
      {"0.0180", 502, 431},
      {"0", 502, 415},
      {"30", 172, 415},
      {"VSC325", 172, 351}}},
    {"screw chiller with microchannel coil",
     test::ScrewChillerInputs("QSK200GV5-LQE"),
     {{"Type Microchannel", 217, 495}, {"VSC200", 172, 351}}},
    {"screw heat pump",
     test::HeatPumpInputs(),
     {{"Type High Efficiency Falling Film", 52, 495},
      {"Type Copper Tube Aluminum Fins", 217, 495},
      {"Compressor Type Semi-hermetic Single Screw", 52, 367},
      {"Starter Type Y-delta Starter", 299.5, 271},
      {"530.8", 337, 623},
      {"171.3", 337, 607},
      {"3.099", 337, 591},
      {"25.52", 337, 575},
      {"7.0", 337, 559},
      {"40.00/45.00", 337, 543},
      {"52.4", 172, 463},
      {"83.5", 442, 319},
      {"8", 337, 479},
      {"20.4", 337, 463},
      {"16.00", 337, 447}}},
    {"BREXAL two-module heat pump looked up by its stored name",
     [] {
         DatasheetInputs inputs = Brexal(test::HeatPumpInputs("QHK245GP5-LQE"), "WOH245GP5-LQEE");
         // the left module carries almost no water: its drop is below 1 kPa
         inputs.figures.pressureDrops = {0.5, 48.44};
         return inputs;
     }(),
     {{"WOH245GP5-LQEE", 132, 687}, {"-/48.4", 172, 463}, {"4/5", 172, 479}, {"SSC120+SSC125", 172, 351}}},
    {"clean tubes at altitude",
     AtSite(test::CentrifugalInputs(), 0.0f, 1500),
     {{"0.000", 172, 431}, {"1500", 337, 431}}},
    {"one metre above sea level, the lowest site the sheet writes as a height",
     AtSite(test::CentrifugalInputs(), 0.018f, 1),
     {{"1.000", 337, 431}}},
    {"a model name with a quote",
     test::CentrifugalInputs("QTK9'9GN5-LQE"),
     {{"QTK9'9GN5-LQE", 132, 687}, {"KTC099", 172, 351}, {"190", 172, 255}}},
};

INSTANTIATE_TEST_SUITE_P(Units, DatasheetBranch, ::testing::ValuesIn(kBranches),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DatasheetPage1, ModelMissingFromTheDatasheetTableLeavesTheLowerHalfEmpty) {
    DatasheetRig rig;
    const ExportResult result = rig.write(test::WithGlycol(test::CentrifugalInputs("QTK999GN5-LQE")));
    // Written to the end, but a sheet without the unit's data is not complete.
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_FALSE(result.complete);
    const std::vector<test::RecordingSink::Message> dataErrors(2, {"JVT", "Data error!"});
    EXPECT_EQ(rig.messages(), dataErrors);

    const auto words = rig.words();
    // The row's own figures print; the water rating prints as zeros.
    ExpectPlaced(words, {{"QTK999GN5-LQE", 132, 687}, {"459.2", 172, 623}, {"35.0", 502, 559}});
    EXPECT_FALSE(HasTextAt(words, 1, "1.0", 172, 447));
    EXPECT_FALSE(HasTextAt(words, 1, "22.07", 172, 575));
    EXPECT_TRUE(test::HasTextOnLine(words, 2, "2/2", 14));
}

}  // namespace
}  // namespace keld
