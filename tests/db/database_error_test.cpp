// SPDX-License-Identifier: MIT
#include "db/database_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace keld {
namespace {

namespace ec = database_error_code;

struct ErrorTextCase {
    std::uint32_t code;
    const char* description;
    const char* text;
};

void PrintTo(const ErrorTextCase& c, std::ostream* out) {
    *out << "0x" << std::hex << std::uppercase << c.code << (*c.description != '\0' ? " described" : "");
}

class DatabaseErrorTextTest : public testing::TestWithParam<ErrorTextCase> {};

TEST_P(DatabaseErrorTextTest, FollowsTheTextRule) {
    const ErrorTextCase& c = GetParam();
    DatabaseError error(c.code, c.description);
    EXPECT_EQ(DatabaseErrorText(error), c.text);
    EXPECT_EQ(std::string(error.what()), c.text);
}

INSTANTIATE_TEST_SUITE_P(Fallbacks, DatabaseErrorTextTest,
                         testing::Values(
                             // Codes without a text of their own.
                             ErrorTextCase{0x80040201, "", "IDispatch error #1"},
                             ErrorTextCase{0x80040300, "", "IDispatch error #256"},
                             ErrorTextCase{0x8004FFFF, "", "IDispatch error #65023"},
                             ErrorTextCase{0x80040200, "", "Unknown error 0x80040200"},
                             ErrorTextCase{0x80050000, "", "Unknown error 0x80050000"},
                             ErrorTextCase{0x800401FF, "", "Unknown error 0x800401FF"},
                             ErrorTextCase{0x0, "", "Unknown error 0x0"},
                             ErrorTextCase{0xFFF, "", "Unknown error 0xFFF"},  // not an engine code
                             // The engine's own texts, and a description before any code text.
                             ErrorTextCase{26, "", "file is encrypted or is not a database"},
                             ErrorTextCase{14, "", "unable to open database file"},
                             ErrorTextCase{1, "no such table: High", "no such table: High"},
                             ErrorTextCase{0x80040201, "the grid has no such row",
                                           "the grid has no such row"}));

TEST(DatabaseErrorTextTest, EveryCodeTheLayerRaisesHasItsOwnText) {
    for (std::uint32_t code : {ec::kTypeMismatch, ec::kNoCurrentRecord, ec::kItemNotFound, ec::kObjectClosed,
                               ec::kKeyOutsideTable}) {
        std::string text = DatabaseErrorText(DatabaseError(code, ""));
        EXPECT_EQ(text, KnownErrorMessage(code));
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("error 0x"), std::string::npos) << text;
        EXPECT_EQ(text.find("IDispatch"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace keld
