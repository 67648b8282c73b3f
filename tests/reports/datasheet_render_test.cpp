// SPDX-License-Identifier: MIT
// Writes a few datasheets with PNG pictures of their pages into
// build/datasheet-renders, so that anyone can look at the sheets a user gets.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "datasheet_fixture.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

TEST(DatasheetRenders, EachSheetRendersToTwoPictures) {
    const std::filesystem::path renders = std::filesystem::path(test::BuildFolder()) / "datasheet-renders";
    std::filesystem::create_directories(renders);

    DatasheetInputs brexalHeatPump = test::WithGlycol(test::HeatPumpInputs("QHK245GP5-LQE"), 20);
    brexalHeatPump.brand = "BREXAL";
    brexalHeatPump.modelName = "WOH245GP5-LQEE";
    brexalHeatPump.figures.pressureDrops = {0.5, 48.44};
    brexalHeatPump.texts = {"上海浦东机场 T3 Cooling", "Acme HVAC Ltd.", "机场集团", "CH-07/B"};

    DatasheetInputs gbChiller = test::CentrifugalInputs();
    gbChiller.conditions.partLoadStandard = 1;
    gbChiller.conditions.coolingAmbientTemp = 10;
    gbChiller.texts = {"Harbour Plant", "Acme Cooling", "City Hospital", "CH-01"};

    const struct {
        const char* name;
        DatasheetInputs inputs;
    } sheets[] = {
        {"centrifugal-ahri", test::CentrifugalInputs()},
        {"centrifugal-gb-out-of-scope", gbChiller},
        {"brexal-heat-pump-glycol", brexalHeatPump},
        {"gv5-five-points", test::ScrewChillerInputs("QSK325GV5-LQE")},
    };
    for (const auto& sheet : sheets) {
        test::DatasheetRig rig;
        const std::string pdf = (renders / (std::string(sheet.name) + ".pdf")).string();
        ASSERT_TRUE(WriteDatasheetFile(rig.pdf(), rig.database(), rig.sink(), sheet.inputs, pdf).complete);
        const std::string prefix = (renders / sheet.name).string();
        const test::CommandResult render =
            test::Run("pdftoppm -png -r 80 " + test::ShellQuoted(pdf) + " " + test::ShellQuoted(prefix));
        EXPECT_EQ(render.exitCode, 0) << render.output;
        EXPECT_TRUE(std::filesystem::exists(prefix + "-1.png")) << prefix;
        EXPECT_TRUE(std::filesystem::exists(prefix + "-2.png")) << prefix;
    }
}

}  // namespace
}  // namespace keld
