// SPDX-License-Identifier: MIT
#include "cli/schedule_results.h"

#include <algorithm>
#include <string_view>

#include "selection/page/selection_page.h"
#include "selection/result_columns.h"
#include "session/selection_json.h"

namespace keld::cli {
namespace {

// The messages of a duty in one cell, a message a line, as "[caption] text";
// a line that could not be run says which column held what was wrong.
std::string MessagesCell(const DutyResult& duty) {
    std::vector<std::string> lines;
    if (!duty.error.empty()) {
        lines.push_back(duty.errorColumn.empty() ? duty.error
                                                 : "column " + duty.errorColumn + ": " + duty.error);
    }
    if (duty.messages != nullptr) {
        for (const auto& message : *duty.messages)
            lines.push_back('[' + message.caption + "] " + message.text);
    }
    if (duty.datasheet && !duty.datasheet->outcome.failure.empty()) {
        lines.push_back(duty.datasheet->outcome.failure);
    }
    std::string cell;
    for (const std::string& line : lines) cell += (cell.empty() ? "" : "\n") + line;
    return cell;
}

}  // namespace

std::string LineErrorText(const DutyResult& duty) {
    return duty.errorColumn.empty() ? duty.error : "column " + duty.errorColumn + ": " + duty.error;
}

CsvScheduleResults::CsvScheduleResults(std::ostream& out, char separator, const DataStamp& data)
    : out_(out), separator_(separator), data_(data.text()) {
    out_ << "\xEF\xBB\xBF";
    writeCell("Tag");
    out_ << separator_;
    writeCell("Line");
    for (int column : kShownColumns) {
        out_ << separator_;
        writeCell(ColumnHeading(column));
    }
    out_ << separator_;
    writeCell("Messages");
    out_ << separator_;
    writeCell("Data");
    out_ << "\r\n";
}

void CsvScheduleResults::writeDuty(const DutyResult& duty) {
    const std::string messages = MessagesCell(duty);
    const ResultTable* rows = duty.page == nullptr ? nullptr : &duty.page->results();
    const int rowCount = rows == nullptr ? 0 : rows->rowCount();
    if (rowCount == 0) writeLine(duty, nullptr, 0, messages);
    for (int r = 0; r < rowCount; ++r) writeLine(duty, rows, r, r == 0 ? messages : std::string());
}

void CsvScheduleResults::writeLine(const DutyResult& duty, const ResultTable* rows, int row,
                                   const std::string& messages) {
    writeTextCell(duty.tag);
    out_ << separator_ << duty.line;
    for (int column : kShownColumns) {
        out_ << separator_;
        if (rows == nullptr) continue;
        std::string cell = rows->cell(row, column);
        if (column == column::kModel) {
            writeTextCell(cell);
            continue;
        }
        if (separator_ == ';') std::replace(cell.begin(), cell.end(), '.', ',');
        writeCell(cell);
    }
    out_ << separator_;
    writeTextCell(messages);
    out_ << separator_;
    writeTextCell(data_);
    out_ << "\r\n";
}

void CsvScheduleResults::writeCell(const std::string& text, bool quoted) {
    if (!quoted && text.find_first_of(std::string("\"\r\n") + separator_) == std::string::npos) {
        out_ << text;
        return;
    }
    out_ << '"';
    for (char c : text) {
        if (c == '"') out_ << '"';
        out_ << c;
    }
    out_ << '"';
}

void CsvScheduleResults::writeTextCell(const std::string& text) {
    // A spreadsheet runs a cell that starts with one of these as a formula
    // (=HYPERLINK(…) in a tag would open a link); the apostrophe, quoted, is
    // the spreadsheets' own mark for "this is text".
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        writeCell("'" + text, true);
        return;
    }
    writeCell(text);
}

JsonScheduleResults::JsonScheduleResults(std::ostream& out, DataStamp data)
    : out_(out), data_(std::move(data)) {
    out_ << '[';
}

void JsonScheduleResults::writeDuty(const DutyResult& duty) {
    out_ << (first_ ? "\n" : ",\n");
    first_ = false;
    Json object{{"tag", duty.tag}, {"line", duty.line}};
    if (!duty.error.empty()) {
        object["error"] = Json{{"column", duty.errorColumn.empty() ? Json(nullptr) : Json(duty.errorColumn)},
                               {"text", duty.error}};
    } else {
        object.update(SelectionMembers(*duty.page, *duty.messages, duty.list, data_));
        if (duty.datasheet) {
            const DatasheetOutcome& sheet = duty.datasheet->outcome;
            object["datasheet"] = Json{
                {"file", sheet.written ? Json(duty.datasheet->path) : Json(nullptr)},
                {"complete", sheet.complete},
                {"failure", sheet.failure.empty() ? Json(nullptr) : Json(sheet.failure)},
            };
        }
    }
    WriteJsonObject(out_, object);
}

void JsonScheduleResults::finish() { out_ << (first_ ? "]\n" : "\n]\n"); }

}  // namespace keld::cli
