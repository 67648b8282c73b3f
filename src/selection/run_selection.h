// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

namespace keld {

class PerformanceDatabase;
class SelectionPage;

// What a selection run did to the result list.
enum class ListEffect {
    Replaced,  // the candidate query found units: the old rows went, whatever followed
    Kept,      // the list was left as it was
    Cleared,   // a failed input check emptied the list
};

// What a run did to the list, and whether an error ended it early (a
// database error, or a failure of the program itself): the figures the user
// sees are then incomplete, whatever the list holds.
struct RunOutcome {
    RunOutcome(ListEffect effect, bool error = false) : list(effect), endedByError(error) {}

    ListEffect list;
    bool endedByError;
    // The text of the message box an error that ended the run showed, where
    // the database did not show its own.
    std::string errorText;
};

// The outcome of a run that an error ended after the box `text` was shown.
inline RunOutcome RunEndedBy(ListEffect effect, std::string text) {
    RunOutcome outcome{effect, true};
    outcome.errorText = std::move(text);
    return outcome;
}

// The CALC command. Reads the page's controls and runs the selection that
// fits them: the QTK chiller run (centrifugal), the QHK heat-pump run (screw,
// heat pump) or the GV5 chiller run (screw, chiller). Each checks the inputs,
// computes the corrections, asks the database for the units in the capacity
// band ("No suitable models!" when there is none, and the list stays), fills
// one row and one record per accepted unit and tells the user, through the
// page's message sink, which units it left out.
//
// The command's one error boundary: nothing the run raises leaves it. A
// database error before the candidates are walked shows its text once
// (caption "JVT"; a statement that fails has shown the engine's description
// already), an ambient outside a performance grid shows "遇到不适当的参数。",
// any other error (std::exception) shows its text; all of these leave the
// list as it was. A database error during the walk shows "Read data
// Error:%s", any other error there its own text, and the rows added so far
// stay. The outcome tells whether an error ended the run; an ambient beyond
// the grids is an answer about the duty, not an error. Uses the database's
// CurrentRecordset.
RunOutcome RunSelection(SelectionPage& page, PerformanceDatabase& db);

}  // namespace keld
