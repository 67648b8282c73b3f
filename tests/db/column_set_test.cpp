// SPDX-License-Identifier: MIT
// Column names by name, as the database finds them: ASCII case ignored, the
// first of equal names found, a missing name never mistaken for another.
#include "db/column_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keld {
namespace {

TEST(ColumnSet, FindsEachNameWhateverItsCaseAndTheFirstOfEqualNames) {
    const ColumnSet columns({"ModelName", "Capacity", "capacity", "LWT", "Flow_Range", "CAPACITY", ""});
    struct Case {
        const char* name;
        int index;
    };
    for (const Case& c : {Case{"ModelName", 0},
                          {"modelname", 0},
                          {"MODELNAME", 0},
                          {"capacity", 1},
                          {"Capacity", 1},
                          {"lwt", 3},
                          {"Flow_Range", 4},
                          {"flow_range", 4},
                          {"", 6},
                          {"Model", -1},
                          {"ModelNames", -1},
                          {"Flow Range", -1},
                          {"Flow\x7fRange", -1}}) {
        EXPECT_EQ(columns.IndexOf(c.name), c.index) << '"' << c.name << '"';
    }
}

// A grid row is some fifty columns wide: every name is found at its place,
// and names that are not there are not found, however the table fills up.
TEST(ColumnSet, FindsEveryColumnOfAWideGrid) {
    for (int width : {0, 1, 2, 3, 47, 60, 64, 65}) {
        std::vector<std::string> names;
        for (int i = 0; i < width; ++i) names.push_back("OAT" + std::to_string(i));
        const ColumnSet columns(names);
        for (int i = 0; i < width; ++i) EXPECT_EQ(columns.IndexOf("oat" + std::to_string(i)), i) << width;
        EXPECT_EQ(columns.IndexOf("OAT" + std::to_string(width)), -1) << width;
        EXPECT_EQ(columns.IndexOf("LWT"), -1) << width;
    }
}

}  // namespace
}  // namespace keld
