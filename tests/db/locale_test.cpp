// SPDX-License-Identifier: MIT
// The window toolkit switches the process to the user's locale. Statements,
// parsed cells and the rounded texts must still use a decimal point.
#include <gtest/gtest.h>
#include <locale.h>

#include <cstdio>
#include <string>

#include "base/format_text.h"
#include "base/number_text.h"
#include "base/significant.h"

namespace keld {
namespace {

// Puts the calling thread into a locale with a decimal comma while it lives.
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            locale_ = newlocale(LC_ALL_MASK, name, locale_t{});
            if (locale_ != locale_t{}) break;
        }
        if (locale_ != locale_t{}) previous_ = uselocale(locale_);
    }
    ~CommaLocale() {
        if (locale_ == locale_t{}) return;
        uselocale(previous_);
        freelocale(locale_);
    }
    bool active() const { return locale_ != locale_t{}; }

private:
    locale_t locale_{};
    locale_t previous_{};
};

TEST(LocaleTest, NumbersKeepTheDecimalPointUnderACommaLocale) {
    CommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    char plain[32];
    std::snprintf(plain, sizeof plain, "%f", 7.5);
    ASSERT_EQ(std::string(plain), "7,500000");  // the locale really is in force

    EXPECT_EQ(FormatText("select * from [%s] where [LWT]=%f ", "PowerQHK", 7.5),
              "select * from [PowerQHK] where [LWT]=7.500000 ");
    EXPECT_EQ(LeadingNumber("12.5"), 12.5);
    EXPECT_EQ(LeadingNumber("12,5"), 12.0);
    EXPECT_EQ(RealText(0.985), "0.985");
    EXPECT_EQ(FormatSignificant(12.3456, 4), "12.35");
    EXPECT_EQ(FormatSignificant(0.018, 3), "0.0180");
}

}  // namespace
}  // namespace keld
