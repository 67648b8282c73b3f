// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/schedule_reader.h"
#include "session/page_options.h"

namespace keld::cli {

// One duty of a schedule: the equipment tag, the model whose datasheet is
// wanted (none: the first listed unit) and the page options of its line.
struct ScheduleDuty {
    std::string tag;
    std::optional<std::string> model;
    PageOptions options;
};

// What the columns of a schedule are for. The header names them by the page
// options of `select` without their dashes ("cooling-capacity"), plus `tag`
// and `model`, in any order and any subset; names are read without the blanks
// around them and without regard to case.
class ScheduleColumns {
public:
    // Raises UsageError for a name that is none of these, a column named
    // twice, a column without a name and `database` (one database serves the
    // whole schedule).
    ScheduleColumns(const std::vector<std::string>& header, char separator);

    // The duty of `record` into `duty`: the tag and model first, then each
    // non-blank cell taken as `select` takes its option (a blank cell keeps
    // the page's default; a blank launch cell keeps `launch`). In a schedule
    // separated by semicolons a number may carry a decimal comma. Raises
    // UsageError, its option the column's, for a value select would refuse,
    // and without an option for a line that cannot be read or has cells
    // beyond the header's columns.
    void readDuty(const ScheduleRecord& record, const std::optional<std::string>& launch,
                  ScheduleDuty& duty) const;

    // The names a header may use, for the usage text.
    static std::vector<std::string> Names();

private:
    struct Column {
        enum class Kind { Tag, Model, PageOption } kind;
        std::string option;  // "--ambient" for a page option
        bool numeric = false;
    };

    std::vector<Column> columns_;
    bool decimalComma_ = false;
};

}  // namespace keld::cli
