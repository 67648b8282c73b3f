// SPDX-License-Identifier: MIT
// Schedules as spreadsheets and editors write them: the records, the lines
// they start on and the separator found from the header.
#include "cli/schedule_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "session/usage_error.h"

namespace keld::cli {
namespace {

struct ReaderCase {
    const char* name;
    std::string text;
    char separator;
    std::vector<std::string> header;
    // Each record as its line number, then its cells.
    std::vector<std::pair<std::size_t, std::vector<std::string>>> records;
};

TEST(ScheduleReader, ReadsRecordsWithTheirLineNumbers) {
    const ReaderCase cases[] = {
        {"quoted separators, quotes and line ends",
         "tag,ambient\n\"CH-1, roof\",35\n\"say \"\"hi\"\"\",\"3\n8\"\nCH-3,40\n",
         ',',
         {"tag", "ambient"},
         {{2, {"CH-1, roof", "35"}}, {3, {"say \"hi\"", "3\n8"}}, {5, {"CH-3", "40"}}}},
        {"byte-order mark, semicolons, CRLF, blank and separator-only lines skipped",
         "\xEF\xBB\xBFtag;ambient\r\n\r\nCH-1;35,5\r\n;\r\n ; \r\nCH-2;\r\n",
         ';',
         {"tag", "ambient"},
         {{3, {"CH-1", "35,5"}}, {6, {"CH-2", ""}}}},
        {"lone CR line ends, no line end at the end, a short line",
         "tag,ambient,outlet\rCH-1,35\rCH-2,36,7",
         ',',
         {"tag", "ambient", "outlet"},
         {{2, {"CH-1", "35"}}, {3, {"CH-2", "36", "7"}}}},
        {"more semicolons than commas in the header, one of them quoted",
         "\"a,b\";tag;ambient\nx;CH-1;35\n",
         ';',
         {"a,b", "tag", "ambient"},
         {{2, {"x", "CH-1", "35"}}}},
        {"a quote inside an unquoted cell is kept", "tag\nCH 5\"\n", ',', {"tag"}, {{2, {"CH 5\""}}}},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        ScheduleReader reader(in);
        EXPECT_EQ(reader.separator(), c.separator);
        EXPECT_EQ(reader.header(), c.header);
        ScheduleRecord record;
        for (const auto& [line, cells] : c.records) {
            ASSERT_TRUE(reader.next(record));
            EXPECT_EQ(record.line, line);
            EXPECT_EQ(record.cells, cells);
            EXPECT_EQ(record.fault, "");
        }
        EXPECT_FALSE(reader.next(record));
    }
}

TEST(ScheduleReader, AQuotedCellLeftOpenIsTheLastRecordAndSaysSo) {
    std::istringstream in("tag,ambient\nCH-1,35\n\"CH-2,36\nCH-3,37\n");
    ScheduleReader reader(in);
    ScheduleRecord record;
    ASSERT_TRUE(reader.next(record));
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.line, 3u);
    EXPECT_EQ(record.fault, "a quoted cell is not closed before the end of the file");
    EXPECT_FALSE(reader.next(record));
}

TEST(ScheduleReader, RefusesWhatHasNoHeader) {
    for (const char* text :
         {"", "\xEF\xBB\xBF", "\n\ntag\n", " , \ntag\n", "\"tag\nambient\"\n", "\xFF\xFEt\0"}) {
        std::istringstream in(text);
        EXPECT_THROW(ScheduleReader reader(in), UsageError) << text;
    }
}

}  // namespace
}  // namespace keld::cli
