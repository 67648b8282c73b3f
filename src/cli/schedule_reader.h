// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace keld::cli {

// One record of a schedule: its cells, and the line of the file it starts on
// (the header is line 1), which is the row number a spreadsheet shows.
struct ScheduleRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
    // Empty, or why the record could not be read whole (a quoted cell left
    // open at the end of the file).
    std::string fault;
};

// An equipment schedule as spreadsheets save it: CSV after RFC 4180 in
// UTF-8, with or without a byte-order mark, cells separated by commas or, as
// spreadsheets in countries with a decimal comma write them, by semicolons.
// Records are read one at a time, so a schedule of any length is read in the
// same memory. Line ends may be CRLF, LF or a lone CR; a quoted cell may hold
// separators, doubled quotes and line ends.
class ScheduleReader {
public:
    // The longest record taken, in bytes before its line end: far beyond any
    // schedule's line, and a bound on the memory a file without line ends
    // (a binary file, /dev/zero) can make the reader take.
    static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

    // Reads the header: the first line, column names in it quoted or not.
    // The separator is the semicolon when that line holds more semicolons
    // than commas, else the comma. Raises UsageError for a first line without
    // a name, one that leaves a quoted cell open or runs over kMaxRecordBytes,
    // and for UTF-16 text.
    explicit ScheduleReader(std::istream& in);

    char separator() const { return separator_; }
    const std::vector<std::string>& header() const { return header_.cells; }

    // The next record into `record` (its vectors reused); false at the end of
    // the file. Records whose cells are all blank (an empty line, a line of
    // separators as spreadsheets leave below a table) are skipped. A record
    // over kMaxRecordBytes comes back with its fault and ends the reading.
    bool next(ScheduleRecord& record);

private:
    bool readRecord(std::streambuf& in, char separator, ScheduleRecord& record);

    std::streambuf& in_;
    char separator_ = ',';
    std::size_t line_ = 1;   // the line the next record starts on
    bool overlong_ = false;  // a record was too long: the rest is not read
    ScheduleRecord header_;
};

// Whether a cell holds nothing but spaces and tabs.
bool IsBlankCell(const std::string& cell);

}  // namespace keld::cli
