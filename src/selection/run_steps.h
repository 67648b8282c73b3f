// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/selection_conditions.h"
#include "engine/unit_performance.h"
#include "selection/model_result.h"
#include "selection/result_table.h"
#include "selection/run_selection.h"

namespace keld {

class MessageSink;
class PerformanceDatabase;
class Recordset;

// Steps the three selection runs share: preparing the candidate query,
// walking the candidates, adding rows and telling the user what was left out.

// Frees the records and deletes every row of the list.
void ClearResults(ResultTable& results);

// Performance ratios that would scale a unit's ratings beyond the range of a
// real (a grid cell or a correction factor that is not a finite number, or an
// absurdly large one) leave no figure to show: says "No valid performance
// data at ambient %.1f °C, leaving water %.2f °C" for the duty point they
// were read at and returns false. True when two modules of the largest rating
// times each ratio stay finite.
bool CheckUsableRatios(MessageSink& messages, float ambient, float leavingWater,
                       std::initializer_list<double> ratios);

// A capacity ratio of 0 (a grid without data at the duty point) leaves no
// band to search: says so, naming the duty's ambient and leaving water, and
// returns false. True when the ratio can scale the required capacity.
bool CheckCapacityRatio(MessageSink& messages, const SelectionConditions& conditions, double capacityRatio);

// Runs the candidate query into the database's CurrentRecordset. When no unit
// lies in the band, says "No suitable models!" (caption "JVT") and returns
// false: the list keeps the previous run's rows, and the user learns that
// they are not the answer to the new duty. A statement that fails raises
// DatabaseError here.
bool FindCandidates(PerformanceDatabase& db, MessageSink& messages, const std::string& query);

// Walks CurrentRecordset from its first row, calling `evaluate` for each
// candidate, then closes it. A DatabaseError raised on the way ends the walk
// at once: "Read data Error:%s" is shown (caption "JVT") and the outcome says so;
// rows added so far stay. Any other error (std::exception) ends it the same
// way with its own text: the list is already the new run's, so the error
// cannot travel further up as one that left the list untouched.
RunOutcome WalkCandidates(PerformanceDatabase& db, MessageSink& messages,
                          const std::function<void(const Recordset& unit)>& evaluate);

// The names of the candidates a run leaves out, each followed by ",".
struct RejectedUnits {
    std::string envelope;      // stored names, outside the operating envelope
    std::string flow;          // shown names, water flow outside the permitted range
    std::string inconsistent;  // shown names, unit rows that contradict the module table

    static void add(std::string& list, const std::string& name) { list += name + ","; }
};

// Whether the engine accepted `unit`; a unit it left out is filed under its
// reason (the envelope list by its stored name, the others by `shownName`).
bool Accepted(const UnitPerformance& unit, const std::string& shownName, RejectedUnits& rejected);

// The closing messages of a run (caption "JVT"): the flow list with
// ":Water flow is beyond range", and, after every other closing message, the
// inconsistent units with ":Model data is inconsistent".
void ShowFlowRejections(MessageSink& messages, const RejectedUnits& rejected);
void ShowInconsistentUnits(MessageSink& messages, const RejectedUnits& rejected);

// What a run says of a duty outside the operating envelope, for one limit
// it crossed: the centrifugal chiller's leaving water must be above the
// limit, a screw unit's at most the limit ("Cooling:" or "Heating:" first).
std::string EnvelopeMessage(Series series, const EnvelopeLimit& limit);

// The cells of one accepted candidate, by column, in the order they are set.
using ResultCells = std::vector<std::pair<int, std::string>>;

// Adds a row at `row` with the shown model name and `cells`, then creates its
// record, writes the record id ("%x") into column 20 and the name into the
// record. Returns the record for the run to fill; the table owns it.
ModelResult& AddResultRow(ResultTable& results, int row, const std::string& shownName,
                          const ResultCells& cells);

// Fills the fields every run writes into a row's record: the unit's figures,
// the cooling duty as used (inlet and flow as shown), altitude in whole
// metres, fouling, required capacity, tolerance and whether the chilled-water
// flow was entered.
void FillCoolingRecord(ModelResult& record, const SelectionConditions& conditions,
                       const UnitPerformance& unit);

// Column 15: the altitude to 4 significant digits when above 0, else "0".
std::string AltitudeCell(const SelectionConditions& conditions);

// The text of a value to 4 significant digits, as the list shows it. The
// value must be finite (FormatSignificant raises std::domain_error else).
std::string FourDigitText(double value);

}  // namespace keld
