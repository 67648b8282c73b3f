// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "selection/launch_parameters.h"

namespace keld {
namespace {

struct LaunchCase {
    const char* text;
    int firstDigit;
    int secondDigit;
    const char* brand;
};

TEST(LaunchText, DecodesDigitsAndBrand) {
    const LaunchCase cases[] = {
        {"", 0, 0, "Norvex"},
        {"14BREXAL", 1, 4, "BREXAL"},
        {"x", 0, 0, "Norvex"},
        {"7", 7, 0, "Norvex"},
        {"a9", 0, 9, "Norvex"},
        {"brexal", 0, 0, "Norvex"},
        {"04brexal", 0, 4, "Norvex"},
        {"BREXAL", 0, 0, "BREXAL"},
        {"20 for BREXAL customers", 2, 0, "BREXAL"},
        {"BREXA", 0, 0, "Norvex"},
        // The digits are the first two characters, however many bytes the
        // first one takes; a character that is not an ASCII digit gives 0.
        {"\xc3\xa9"
         "5",
         0, 5, "Norvex"},
        {"\xe4\xb8\xad"
         "4BREXAL",
         0, 4, "BREXAL"},
        {"5\xc3\xa9"
         "7",
         5, 0, "Norvex"},
        {"\xff"
         "3",
         0, 3, "Norvex"},  // a byte that is no UTF-8 counts as one character
        {"\xc3", 0, 0, "Norvex"},
        {"5\x80"
         "6",
         5, 0, "Norvex"},
        // 0xC0 is the first lead byte: 0xBF stands alone, 0xC0 takes the
        // continuation byte after it.
        {"\xbf\x80"
         "5",
         0, 0, "Norvex"},
        {"\xc0\x80"
         "5",
         0, 5, "Norvex"},
        // A character takes at most three continuation bytes.
        {"\xf0\x9f\x98\x80"
         "5",
         0, 5, "Norvex"},
        {"\xf0\x80\x80\x80\x80"
         "5",
         0, 0, "Norvex"},
    };
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.text);
        LaunchParameters launch = DecodeLaunchText(c.text);
        EXPECT_EQ(launch.FirstDigit, c.firstDigit);
        EXPECT_EQ(launch.SecondDigit, c.secondDigit);
        EXPECT_EQ(launch.Brand, c.brand);
        EXPECT_EQ(IsSecondBrand(launch), std::string(c.brand) == "BREXAL");
    }
}

}  // namespace
}  // namespace keld
