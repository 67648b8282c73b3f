// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "session/collecting_sink.h"
#include "selection/result_table.h"
#include "selection/run_selection.h"
#include "engine/selection_conditions.h"

namespace keld::cli {

// `text` as a JSON string literal with its quotes: quote, backslash and the
// control characters escaped, UTF-8 passed through, and every byte that is
// not part of a well-formed UTF-8 sequence written as U+FFFD, so that the
// output stays valid JSON whatever a database text holds.
std::string JsonString(std::string_view text);

// A single-precision real as the shortest JSON number that reads back to the
// same float ("22.07", "0.018", "-8"); null for a value that is not finite.
std::string JsonNumber(float value);

// "replaced", "kept" or "cleared".
const char* ListEffectName(ListEffect effect);

// The members of that object ("conditions", "messages", "list", "rows"), each
// starting on a line of its own indented by two spaces, the last one without
// a line end: for an object that carries more than the selection.
void WriteSelectionMembers(std::ostream& out, const SelectionConditions& conditions,
                           const std::vector<CollectingSink::Message>& messages, ListEffect effect,
                           const ResultTable& table);

// The result of `select` as one JSON object: the conditions after the run,
// the messages in order, what the run did to the list and its rows.
void WriteSelectionJson(std::ostream& out, const SelectionConditions& conditions,
                        const std::vector<CollectingSink::Message>& messages, ListEffect effect,
                        const ResultTable& table);

}  // namespace keld::cli
