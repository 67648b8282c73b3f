// SPDX-License-Identifier: MIT
#include "cli/schedule_duty.h"

#include <algorithm>

#include "cli/error_text.h"
#include "session/usage_error.h"

namespace keld::cli {
namespace {

constexpr const char* kTag = "tag";
constexpr const char* kModel = "model";
constexpr const char* kDatabase = "database";

std::string ColumnName(const std::string& cell) {
    const auto first = cell.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    std::string name = cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

bool IsNumericOption(const std::string& option) {
    return option == "--glycol" || std::any_of(ValueOptions().begin(), ValueOptions().end(),
                                               [&](const ValueOption& v) { return option == v.name; });
}

// "12,5" as select reads it: "12.5". Only a number with one comma and no
// point is changed; anything else goes on as written, to be judged as select
// judges it.
std::string WithDecimalPoint(std::string value) {
    if (std::count(value.begin(), value.end(), ',') == 1 && value.find('.') == std::string::npos) {
        value[value.find(',')] = '.';
    }
    return value;
}

void TakeOption(PageOptions& options, const std::string& option, std::string value) {
    const std::vector<std::string> args = {option, std::move(value)};
    std::size_t index = 0;
    try {
        TakePageOption(args, index, options);
    } catch (const UsageError& error) {
        throw UsageError(error.what(), option);
    }
}

}  // namespace

std::vector<std::string> ScheduleColumns::Names() {
    std::vector<std::string> names = {kTag, kModel};
    for (const std::string& option : PageOptionNames()) {
        if (option != std::string("--") + kDatabase) names.push_back(option.substr(2));
    }
    return names;
}

ScheduleColumns::ScheduleColumns(const std::vector<std::string>& header, char separator)
    : decimalComma_(separator == ';') {
    const std::vector<std::string> names = Names();
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = ColumnName(header[i]);
        if (name.empty()) {
            throw UsageError("column " + std::to_string(i + 1) +
                             " of the schedule has no name in its first line");
        }
        if (name == kDatabase) {
            throw UsageError(
                "the schedule has a column 'database': one database serves the whole schedule, "
                "give it with --database");
        }
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            std::string known;
            for (const std::string& n : names) known += (known.empty() ? "" : ", ") + n;
            throw UsageError("the schedule has a column " + Quoted(header[i]) +
                             ", which is no option of select (" + "the columns it may have: " + known + ")");
        }
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            throw UsageError("the schedule names the column " + Quoted(name) + " twice");
        }
        seen.push_back(name);
        if (name == kTag) {
            columns_.push_back({Column::Kind::Tag, {}});
        } else if (name == kModel) {
            columns_.push_back({Column::Kind::Model, {}});
        } else {
            const std::string option = "--" + name;
            columns_.push_back({Column::Kind::PageOption, option, IsNumericOption(option)});
        }
    }
}

void ScheduleColumns::readDuty(const ScheduleRecord& record, const std::optional<std::string>& launch,
                               ScheduleDuty& duty) const {
    duty.tag.clear();
    duty.model.reset();
    duty.options = {};
    const std::size_t cells = std::min(record.cells.size(), columns_.size());
    for (std::size_t i = 0; i < cells; ++i) {
        const std::string& cell = record.cells[i];
        if (columns_[i].kind == Column::Kind::Tag) duty.tag = cell;
        if (columns_[i].kind == Column::Kind::Model && !IsBlankCell(cell)) duty.model = cell;
    }
    if (!record.fault.empty()) throw UsageError(record.fault);
    for (std::size_t i = columns_.size(); i < record.cells.size(); ++i) {
        if (!IsBlankCell(record.cells[i])) {
            throw UsageError("the line has " + std::to_string(record.cells.size()) +
                             " cells, the header names " + std::to_string(columns_.size()) + " columns");
        }
    }
    for (std::size_t i = 0; i < cells; ++i) {
        const Column& column = columns_[i];
        const std::string& cell = record.cells[i];
        if (column.kind != Column::Kind::PageOption || IsBlankCell(cell)) continue;
        TakeOption(duty.options, column.option,
                   column.numeric && decimalComma_ ? WithDecimalPoint(cell) : cell);
    }
    if (!duty.options.launch && launch) duty.options.launch = launch;
}

}  // namespace keld::cli
