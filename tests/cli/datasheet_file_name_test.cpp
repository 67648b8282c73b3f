// SPDX-License-Identifier: MIT
#include "cli/datasheet_file_name.h"

#include <gtest/gtest.h>

namespace keld::cli {
namespace {

// A tag from a schedule must name a file inside the datasheet folder, never
// a folder above it, a hidden file or no file at all.
TEST(DatasheetFileName, MakesTagsSafeFileNames) {
    const std::pair<std::string, std::string> cases[] = {
        {"CH-1", "CH-1.pdf"},
        {"冷水机组 1", "冷水机组 1.pdf"},
        {"../../etc/passwd", "_.._etc_passwd.pdf"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.pdf"},
        {"CH\t1\n", "CH_1_.pdf"},
        {" .hidden. ", "hidden.pdf"},
        {"", "7.pdf"},
        {"..", "7.pdf"},
        {std::string(150, 'x') + std::string(100, 'y'),
         std::string(150, 'x') + std::string(50, 'y') + ".pdf"},
    };
    for (const auto& [tag, name] : cases) EXPECT_EQ(DatasheetFileName(tag, 7), name) << tag;

    // A long tag is cut between two characters, not inside one.
    std::string chinese;
    for (int i = 0; i < 100; ++i) chinese += "冷";  // three bytes each
    EXPECT_EQ(DatasheetFileName(chinese, 7).size(), 198u + 4u);
}

}  // namespace
}  // namespace keld::cli
