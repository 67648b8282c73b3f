// SPDX-License-Identifier: MIT
// Whatever file is handed to keld-cli batch as a schedule: no input may
// crash the reader or the check of its columns and lines, which refuse only
// with a usage error. The header is split as any record would be, line
// numbers only grow, a record left open is the last, and the records the
// reader takes apart, written out again after RFC 4180 with the same
// separator, read back to the very same cells.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/schedule_duty.h"
#include "cli/schedule_reader.h"
#include "fuzz_check.h"
#include "session/usage_error.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

std::string Quoted(const std::string& cell) {
    std::string text = "\"";
    for (char c : cell) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

std::string Written(const Records& records, char separator) {
    std::string text;
    for (const auto& cells : records) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i == 0 ? "" : std::string(1, separator)) + Quoted(cells[i]);
        text += "\r\n";
    }
    return text;
}

// The header and the whole records of `text`; `fault` tells whether a record
// left open ended it.
Records Read(const std::string& text, char& separator, bool& fault) {
    std::istringstream in(text);
    keld::cli::ScheduleReader reader(in);
    separator = reader.separator();
    Records records = {reader.header()};
    keld::cli::ScheduleRecord record;
    std::size_t lastLine = 1;
    fault = false;
    while (reader.next(record)) {
        FUZZ_REQUIRE(!fault);  // nothing follows a record left open
        FUZZ_REQUIRE(record.line > lastLine);
        FUZZ_REQUIRE(!record.cells.empty());
        lastLine = record.line;
        fault = !record.fault.empty();
        if (!fault) records.push_back(record.cells);
    }
    return records;
}

void CheckColumnsAndDuties(const std::string& text) {
    std::istringstream in(text);
    keld::cli::ScheduleReader reader(in);
    try {
        const keld::cli::ScheduleColumns columns(reader.header(), reader.separator());
        keld::cli::ScheduleRecord record;
        keld::cli::ScheduleDuty duty;
        while (reader.next(record)) {
            try {
                columns.readDuty(record, std::string("BREXAL"), duty);
            } catch (const keld::UsageError&) {
            }
        }
    } catch (const keld::UsageError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    char separator = ',';
    bool fault = false;
    Records records;
    try {
        records = Read(text, separator, fault);
    } catch (const keld::UsageError&) {
        return 0;
    }
    CheckColumnsAndDuties(text);

    // The header's cells are those its line gives as a record, under a
    // header that chooses the same separator.
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    const std::string body = text.starts_with(byteOrderMark) ? text.substr(byteOrderMark.size()) : text;
    char bodySeparator = ',';
    bool bodyFault = false;
    const Records asRecord = Read((separator == ',' ? "h\n" : "h;h\n") + body, bodySeparator, bodyFault);
    FUZZ_REQUIRE(bodySeparator == separator && asRecord.size() >= 2 && asRecord[1] == records[0]);

    char rereadSeparator = ',';
    bool rereadFault = false;
    FUZZ_REQUIRE(Read(Written(records, separator), rereadSeparator, rereadFault) == records);
    FUZZ_REQUIRE(rereadSeparator == separator && !rereadFault);
    return 0;
}
