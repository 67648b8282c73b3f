// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "db/data_stamp.h"
#include "engine/selection_conditions.h"
#include "engine/unit_performance.h"
#include "selection/result_table.h"
#include "selection/run_selection.h"
#include "session/collecting_sink.h"
#include "session/page_options.h"

namespace keld {

class SelectionPage;

// A JSON document of the program: members keep the order they were added in.
using Json = nlohmann::ordered_json;

// `text` as a JSON string literal with its quotes: quote, backslash and the
// control characters escaped ("\n", "\r", "\t", every other one and DEL as
// "\u00XX"), UTF-8 passed through, and every byte that is not part of a
// well-formed UTF-8 sequence written as "\ufffd", so that the output stays
// valid JSON whatever a database text holds.
std::string JsonString(std::string_view text);

// A number as the program writes it: a whole number without a decimal point,
// a single-precision real as the shortest text that reads back to the same
// float ("22.07", "0.018", "-8"), a double as the shortest text that reads
// back to it; null for a value that is not finite.
Json JsonNumber(float value);
Json JsonNumber(double value);

// Every SelectionConditions field by its name.
Json ConditionsJson(const SelectionConditions& conditions);

// A unit's figures in SI units, the unit in the key ("coolingCapacity_kW"),
// under the name the list shows.
Json FiguresJson(const std::string& shownName, const UnitPerformance& unit);

// "replaced", "kept" or "cleared".
const char* ListEffectName(ListEffect effect);

// The result of a selection as the members "conditions" (after the run),
// "messages" (in order), "list" (what the run did to the list), "rows" (the
// list's 22 cells per row), "figures" (each row's figures in SI units, the
// unit in the key), "corrections" (the factors the run applied) and "data"
// (the stamp of the database it ran on).
Json SelectionMembers(SelectionPage& page, const std::vector<CollectingSink::Message>& messages,
                      ListEffect effect, const DataStamp& data);

// {"version": …, "date": …}, "unknown" for a database without a stamp.
Json DataStampJson(const DataStamp& data);

// The messages as [{"caption": …, "text": …}, …].
Json MessagesJson(const std::vector<CollectingSink::Message>& messages);

// Writes `document` in the program's layout: an object's members each on a
// line of its own, indented by two spaces, an array of objects or arrays in
// such a member one element per line, everything deeper on one line; an
// array at the top holds such objects, one after another. Ends with a line
// end.
void WriteJson(std::ostream& out, const Json& document);
// The text WriteJson writes.
std::string JsonText(const Json& document);
// An object of the top level alone, without the line end after it: for a
// document written one object at a time.
void WriteJsonObject(std::ostream& out, const Json& object);

// A request as JSON: {"launch": "14BREXAL", "compressor": "screw",
// "ambient": 35, …}, each page option by its name without the leading "--"
// ("heating-ambient"), a value as a string or a number. Raises UsageError
// naming the member for a member that is no page option, a value of the wrong
// type, or a combination the command line refuses (an option given with its
// circuit's other one). RequestJson writes a request so that RequestFromJson
// reads it back as it was.
PageOptions RequestFromJson(const Json& request);
Json RequestJson(const PageOptions& request);

}  // namespace keld
