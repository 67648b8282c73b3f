// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "datasheet_fixture.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

// The note lines' baselines.
constexpr double kLineA = 206;
constexpr double kLineB = 194;
constexpr double kLineC = 184;
constexpr double kLineD = 182;
constexpr double kLineE = 170;

// The note texts as pdftotext reads them (runs of blanks read as one).
const std::string T1 =
    "1.Certified in accordance with the AHRI Air-Cooled Water-Chilling Packages Certification Program, which "
    "is based on AHRI Standard";
const std::string T2 =
    "550/590 (I-P) and AHRI Standard 551/591 (SI). Certified units may be found in the AHRI Directory at "
    "www.ahridirectory.org.";
const std::string T3 =
    "550/590 (I-P) and AHRI Standard 551/591 (SI). Heat Pump Water-Heating unit is certified when operating "
    "in cooling. Certified units may be";
const std::string T4 = "found in the AHRI Directory at www.ahridirectory.org.";
const std::string CA =
    "1.Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification";
const std::string CB =
    "1. Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification";
const std::string D =
    "2.Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification";
const std::string CP =
    "Program. Individual unit ratings are subject to the governing documents of the AHRI Certification "
    "Program.";
const std::string OA1 =
    "1.Outside the scope of AHRI Air-Cooled Water-Chilling Packages Certification Program, but is rated in "
    "accordance with AHRI Standard";
const std::string OA2 = "550/590 (I-P) and AHRI Standard 551/591 (SI).";
const std::string OB1 =
    "1.Outside the scope of AHRI Air-Cooled Water-Chilling Packages Certification Programor or not "
    "optionally certified, but is rated in";
const std::string OB2 = "accordance with AHRI Standard 550/590 (I-P) and AHRI Standard 551/591 (SI).";
const std::string G =
    "2.Unit contains freeze protection liquids in the evaporator and is certified when rated per the "
    "Standard with water.";

struct NoteCase {
    const char* name;
    DatasheetInputs inputs;
    // Lines a … e as read; empty where the line stays blank.
    std::string a, b, c, d, e;
    bool certified;  // the AHRI logo on both pages
};

DatasheetInputs At(DatasheetInputs inputs, float ambient, float leaving = 7.0f) {
    inputs.conditions.coolingAmbientTemp = ambient;
    inputs.conditions.coolingOutletTemp = leaving;
    return inputs;
}

DatasheetInputs Named(DatasheetInputs inputs, const char* shownName, const char* brand = "Norvex") {
    inputs.modelName = shownName;
    inputs.brand = brand;
    return inputs;
}

class CertificationNotes : public ::testing::TestWithParam<NoteCase> {};

TEST_P(CertificationNotes, StateTheUnitsPlaceInTheAhriProgramme) {
    const NoteCase& c = GetParam();
    test::DatasheetRig rig;
    ASSERT_EQ(rig.write(c.inputs).status, ExportStatus::Written);
    const auto words = rig.words();
    EXPECT_EQ(test::LineText(words, 1, kLineA), c.a);
    EXPECT_EQ(test::LineText(words, 1, kLineB), c.b);
    EXPECT_EQ(test::LineText(words, 1, kLineC), c.c);
    EXPECT_EQ(test::LineText(words, 1, kLineD), c.d);
    EXPECT_EQ(test::LineText(words, 1, kLineE), c.e);
    const int images = c.certified ? 2 : 1;  // the brand logo, and the AHRI logo when certified
    EXPECT_EQ(test::ImagesPerPage(rig.path(), 2), (std::vector<int>{images, images}));
}

const NoteCase kNotes[] = {
    {"certified centrifugal", test::CentrifugalInputs(), T1, T2, "", "", "", true},
    {"centrifugal below 12.8 °C", At(test::CentrifugalInputs(), 10), OA1, OA2, "", "", "", false},
    {"centrifugal at 12.8 °C is in scope", At(test::CentrifugalInputs(), 12.8f), T1, T2, "", "", "", true},
    {"combined centrifugal", test::CentrifugalInputs("QTK220GN5-LQE"), CA, CP, "", "", "", false},
    {"combined centrifugal below 12.8 °C", At(test::CentrifugalInputs("QTK220GN5-LQE"), 10), OA1, OA2, "", D,
     CP, false},
    {"BREXAL combined centrifugal",
     Named(test::CentrifugalInputs("QTK220GN5-LQE"), "WOTA220GN5-LQE", "BREXAL"), CA, CP, "", "", "", false},
    {"heat pump with water", test::HeatPumpInputs(), T1, T3, T4, "", "", true},
    {"heat pump with glycol", test::WithGlycol(test::HeatPumpInputs(), 20), T1, T3, T4, "", G, true},
    {"GV5 chiller with water", test::ScrewChillerInputs("QSK325GV5-LQE"), T1, T2, "", "", "", true},
    {"BREXAL GV5 chiller with glycol",
     Named(test::WithGlycol(test::ScrewChillerInputs("QSK325GV5-LQE")), "WOQ325GV5-LQEE", "BREXAL"), T1, T2,
     "", "", G, true},
    {"heat pump below 12.8 °C", At(test::HeatPumpInputs(), 10), OB1, OB2, "", "", "", false},
    {"heat pump above 52 °C", At(test::HeatPumpInputs(), 52.5f), OB1, OB2, "", "", "", false},
    {"heat pump leaving 25 °C", At(test::HeatPumpInputs(), 35, 25), OB1, OB2, "", "", "", false},
    {"heat pump with glycol leaving 1 °C", At(test::WithGlycol(test::HeatPumpInputs(), 20), 35, 1), OB1, OB2,
     "", "", "", false},
    {"combined heat pump with water", test::HeatPumpInputs("QHK245GP5-LQE"), CA, CP, "", "", "", false},
    {"combined heat pump with glycol", test::WithGlycol(test::HeatPumpInputs("QHK245GP5-LQE")), CB, CP, "",
     "", "", false},
    {"BREXAL combined heat pump below 12.8 °C",
     Named(At(test::HeatPumpInputs("QHK245GP5-LQE"), 10), "WOH245GP5-LQEE", "BREXAL"), OB1, OB2, "", D, CP,
     false},
    {"unknown series", Named(test::CentrifugalInputs(), "XYZ100"), "", "", "", "", "", false},
    // The scope's limits allow 0.00001 for single-precision inputs: a float
    // just inside the limit is within it, 0.000015 beyond it is not.
    {"centrifugal a float below 12.8 °C", At(test::CentrifugalInputs(), std::nextafter(12.8f, 0.0f)), T1, T2,
     "", "", "", true},
    {"centrifugal at 12.799985 °C", At(test::CentrifugalInputs(), 12.799985f), OA1, OA2, "", "", "", false},
    {"heat pump at 12.8 °C", At(test::HeatPumpInputs(), 12.8f), T1, T3, T4, "", "", true},
    {"heat pump a float below 12.8 °C", At(test::HeatPumpInputs(), std::nextafter(12.8f, 0.0f)), T1, T3, T4,
     "", "", true},
    {"heat pump at 12.799985 °C", At(test::HeatPumpInputs(), 12.799985f), OB1, OB2, "", "", "", false},
    {"heat pump at 52 °C", At(test::HeatPumpInputs(), 52), T1, T3, T4, "", "", true},
    {"heat pump a float above 52 °C", At(test::HeatPumpInputs(), std::nextafter(52.0f, 99.0f)), T1, T3, T4,
     "", "", true},
    {"heat pump at 52.000015 °C", At(test::HeatPumpInputs(), 52.000015f), OB1, OB2, "", "", "", false},
    {"heat pump leaving 2.22 °C", At(test::HeatPumpInputs(), 35, 2.22f), T1, T3, T4, "", "", true},
    {"heat pump leaving a float below 2.22 °C", At(test::HeatPumpInputs(), 35, std::nextafter(2.22f, 0.0f)),
     T1, T3, T4, "", "", true},
    {"heat pump leaving 2.219985 °C", At(test::HeatPumpInputs(), 35, 2.219985f), OB1, OB2, "", "", "", false},
    {"heat pump leaving 21.11 °C", At(test::HeatPumpInputs(), 35, 21.11f), T1, T3, T4, "", "", true},
    {"heat pump leaving a float above 21.11 °C",
     At(test::HeatPumpInputs(), 35, std::nextafter(21.11f, 99.0f)), T1, T3, T4, "", "", true},
    {"heat pump leaving 21.110016 °C", At(test::HeatPumpInputs(), 35, 21.110016f), OB1, OB2, "", "", "",
     false},
};

INSTANTIATE_TEST_SUITE_P(Units, CertificationNotes, ::testing::ValuesIn(kNotes),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// The flag that carries the logo to page 2 never outlives its export, even
// when a drawing error ended that export before page 2.
TEST(CertificationNotesFlag, AnInterruptedCertifiedExportLeavesNoLogoForTheNext) {
    test::DatasheetRig rig;
    const std::string logosWithoutBadge = rig.folder().file("images");
    std::filesystem::create_directory(logosWithoutBadge);
    std::filesystem::copy_file(test::BuildFolder() + "/norvex_Min.jpg",
                               logosWithoutBadge + "/norvex_Min.jpg");

    DatasheetInputs certified = test::CentrifugalInputs();
    certified.moduleDirectory = logosWithoutBadge;
    EXPECT_FALSE(rig.write(certified, "first.pdf").complete);

    ASSERT_TRUE(rig.write(At(test::HeatPumpInputs(), 10), "second.pdf").complete);
    EXPECT_EQ(test::ImagesPerPage(rig.path("second.pdf"), 2), (std::vector<int>{1, 1}));
}

}  // namespace
}  // namespace keld
