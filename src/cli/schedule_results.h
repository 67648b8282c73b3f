// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/listed_datasheet.h"
#include "db/data_stamp.h"
#include "engine/selection_conditions.h"
#include "selection/result_table.h"
#include "selection/run_selection.h"
#include "session/collecting_sink.h"

namespace keld {
class SelectionPage;
}

namespace keld::cli {

// The datasheet written for a duty, when datasheets were asked for.
struct DutyDatasheet {
    std::string path;
    DatasheetOutcome outcome;
};

// What one duty of a schedule came to.
struct DutyResult {
    std::string tag;
    std::size_t line = 0;
    // A line that could not be run: why (empty for a duty that ran), and the
    // column that held the fault (empty when it was the line itself).
    std::string error;
    std::string errorColumn;
    // A duty that ran: its page after the run and its message boxes in order.
    SelectionPage* page = nullptr;
    const std::vector<CollectingSink::Message>* messages = nullptr;
    ListEffect list = ListEffect::Kept;
    std::optional<DutyDatasheet> datasheet;
};

// Why a line could not be run, naming the column that held the fault:
// "column ambient: --ambient 'hot': 请输入一个数字。".
std::string LineErrorText(const DutyResult& duty);

// Where the results of a schedule go, one duty at a time as it is run, so
// that nothing of earlier duties is kept.
class ScheduleResults {
public:
    virtual ~ScheduleResults() = default;
    virtual void writeDuty(const DutyResult& duty) = 0;
    // After the last duty.
    virtual void finish() = 0;
};

// Results a spreadsheet opens as they are: a UTF-8 byte-order mark, a header
// line, then one line per listed unit (tag, line, the figures the result list
// shows, the pressure-drop text) and one line for a duty that listed nothing;
// the duty's messages go with its first line. They are separated as the
// schedule was, and with semicolons the figures carry a decimal comma, as the
// spreadsheet that wrote the schedule expects.
class CsvScheduleResults : public ScheduleResults {
public:
    // Every line ends with the stamp of the database the duties ran on.
    CsvScheduleResults(std::ostream& out, char separator, const DataStamp& data);
    void writeDuty(const DutyResult& duty) override;
    void finish() override {}

private:
    void writeLine(const DutyResult& duty, const ResultTable* rows, int row, const std::string& messages);
    void writeCell(const std::string& text, bool quoted = false);
    // A cell of user or program text (a tag, a model name, messages): one
    // that a spreadsheet would take for a formula is kept as text.
    void writeTextCell(const std::string& text);

    std::ostream& out_;
    char separator_;
    std::string data_;
};

// Results as one JSON array: per duty the object `select --json` prints,
// led by "tag" and "line" (and followed by "datasheet" when datasheets were
// asked for); a line that could not be run gives "tag", "line" and "error".
class JsonScheduleResults : public ScheduleResults {
public:
    // `data`: the stamp of the database every duty ran on.
    JsonScheduleResults(std::ostream& out, DataStamp data);
    void writeDuty(const DutyResult& duty) override;
    void finish() override;

private:
    std::ostream& out_;
    DataStamp data_;
    bool first_ = true;
};

}  // namespace keld::cli
