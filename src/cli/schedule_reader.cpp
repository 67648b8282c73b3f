// SPDX-License-Identifier: MIT
#include "cli/schedule_reader.h"

#include <algorithm>
#include <sstream>

#include "session/usage_error.h"

namespace keld::cli {
namespace {

using Traits = std::char_traits<char>;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf16(std::string_view text) { return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"); }

}  // namespace

bool IsBlankCell(const std::string& cell) {
    return std::all_of(cell.begin(), cell.end(), [](char c) { return c == ' ' || c == '\t'; });
}

ScheduleReader::ScheduleReader(std::istream& in) : in_(*in.rdbuf()) {
    // Column names need no line ends and no separators, so the header is the
    // first line as it stands, and the separator the one it holds more of
    // (a tie is the comma's): quoting cannot change that count.
    std::string headerLine;
    bool lineEnded = false;
    for (int c = in_.sbumpc(); c != Traits::eof(); c = in_.sbumpc()) {
        const char ch = Traits::to_char_type(c);
        if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && in_.sgetc() == '\n') in_.sbumpc();
            lineEnded = true;
            break;
        }
        if (headerLine.size() == kMaxRecordBytes) {
            throw UsageError("the schedule's first line is longer than " + std::to_string(kMaxRecordBytes) +
                             " bytes: it is no schedule");
        }
        headerLine += ch;
    }
    if (IsUtf16(headerLine)) throw UsageError("the schedule is UTF-16 text: save it as CSV in UTF-8");
    if (headerLine.starts_with(kUtf8ByteOrderMark)) headerLine.erase(0, kUtf8ByteOrderMark.size());

    const auto count = [&](char c) { return std::count(headerLine.begin(), headerLine.end(), c); };
    separator_ = count(';') > count(',') ? ';' : ',';
    std::stringbuf headerText(headerLine);
    const bool read = readRecord(headerText, separator_, header_);
    if (!read || std::all_of(header_.cells.begin(), header_.cells.end(), IsBlankCell)) {
        throw UsageError("the schedule's first line must name its columns");
    }
    if (!header_.fault.empty()) throw UsageError("the schedule's first line leaves a quoted cell open");
    if (lineEnded) ++line_;
}

bool ScheduleReader::next(ScheduleRecord& record) {
    if (overlong_) return false;
    while (readRecord(in_, separator_, record)) {
        if (!record.fault.empty() || !std::all_of(record.cells.begin(), record.cells.end(), IsBlankCell)) {
            return true;
        }
    }
    return false;
}

bool ScheduleReader::readRecord(std::streambuf& in, char separator, ScheduleRecord& record) {
    int c = in.sbumpc();
    if (c == Traits::eof()) return false;
    record.line = line_;
    record.fault.clear();
    if (record.cells.empty()) record.cells.emplace_back();
    record.cells[0].clear();
    std::size_t count = 1;
    bool quoted = false;       // inside the quotes of a quoted cell
    bool cellStarted = false;  // the cell has taken a character or its opening quote
    std::size_t taken = 0;     // bytes of the record before its line end
    for (;; c = in.sbumpc()) {
        if (c == Traits::eof()) {
            if (quoted) record.fault = "a quoted cell is not closed before the end of the file";
            break;
        }
        const char ch = Traits::to_char_type(c);
        const bool endsRecord = !quoted && (ch == '\n' || ch == '\r');
        if (!endsRecord && ++taken > kMaxRecordBytes) {
            // What follows may never end (a device, a binary file): nothing
            // more of it is read.
            record.fault = "the line is longer than " + std::to_string(kMaxRecordBytes) +
                           " bytes; the schedule is read no further";
            overlong_ = true;
            break;
        }
        std::string& cell = record.cells[count - 1];
        if (quoted) {
            if (ch == '"') {
                if (in.sgetc() == '"') {
                    in.sbumpc();
                    cell += '"';
                } else {
                    quoted = false;
                }
                continue;
            }
            if (ch == '\n' || (ch == '\r' && in.sgetc() != '\n')) ++line_;
            cell += ch;
            continue;
        }
        if (ch == separator) {
            if (count == record.cells.size()) record.cells.emplace_back();
            record.cells[count++].clear();
            cellStarted = false;
            continue;
        }
        if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && in.sgetc() == '\n') in.sbumpc();
            ++line_;
            break;
        }
        if (ch == '"' && !cellStarted) {
            quoted = true;
        } else {
            cell += ch;
        }
        cellStarted = true;
    }
    record.cells.resize(count);
    return true;
}

}  // namespace keld::cli
