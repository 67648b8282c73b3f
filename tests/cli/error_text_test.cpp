// SPDX-License-Identifier: MIT
// keld-cli's last line of defence: whatever a command lets through becomes a
// readable line instead of std::terminate.
#include "cli/error_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "db/database_error.h"
#include "db/lookups.h"
#include "reports/pdflib.h"

namespace keld::cli {
namespace {

std::string TextOf(const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        return CurrentErrorText();
    }
    return "nothing was raised";
}

TEST(ErrorText, EveryKindOfErrorBecomesItsText) {
    struct Case {
        std::function<void()> raise;
        std::string text;
    };
    const Case cases[] = {
        {[] { throw DatabaseError(database_error_code::kNoCurrentRecord, "no such table: High"); },
         "no such table: High"},
        {[] { throw DatabaseError(database_error_code::kObjectClosed, ""); },
         KnownErrorMessage(database_error_code::kObjectClosed)},
        {[] { throw InvalidArgumentError(); }, "遇到不适当的参数。"},
        // The PDF library's errors are no std::exception.
        {[] { throw PDFlib::IOException("cannot open QTK130.pdf", nullptr); }, "cannot open QTK130.pdf"},
        {[] { throw std::length_error("vector too long"); }, "vector too long"},
        {[] { throw 42; }, "an error of an unknown kind ended the command"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextOf(c.raise), c.text);
}

}  // namespace
}  // namespace keld::cli
