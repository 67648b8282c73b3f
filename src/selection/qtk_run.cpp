// SPDX-License-Identifier: MIT
// The QTK centrifugal chiller selection.
#include <string>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "base/significant_rounding.h"
#include "db/performance_database.h"
#include "engine/candidate_query.h"
#include "engine/corrections.h"
#include "engine/envelope.h"
#include "engine/unit_performance.h"
#include "selection/model_names.h"
#include "selection/page/selection_page.h"
#include "selection/pressure_drop_text.h"
#include "selection/run_steps.h"
#include "selection/series_runs.h"

namespace keld {
namespace {

class QtkRun {
public:
    QtkRun(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    void evaluate(const Recordset& row);
    void showClosingMessages();

    SelectionPage& page_;
    PerformanceDatabase& db_;
    const SelectionConditions& conditions_;
    const CorrectionResult& corrections_;
    RejectedUnits rejected_;
    int rowCount_ = 0;
};

RunOutcome QtkRun::run() {
    if (!page_.ValidateCentrifugalInputs()) {
        ClearResults(page_.results());
        return ListEffect::Cleared;
    }
    ComputeQtkCorrections(db_, conditions_, page_.corrections());
    if (!CheckUsableRatios(page_.messages(), conditions_.coolingAmbientTemp, conditions_.coolingOutletTemp,
                           {corrections_.capacityRatio, corrections_.powerRatio,
                            corrections_.capacityRatioEven, corrections_.powerRatioEven}) ||
        !CheckCapacityRatio(page_.messages(), conditions_, corrections_.capacityRatio))
        return ListEffect::Kept;
    const std::string query = BuildCandidateQuery(conditions_, corrections_.capacityRatio, Series::Qtk);
    if (!FindCandidates(db_, page_.messages(), query)) return ListEffect::Kept;

    ClearResults(page_.results());
    const RunOutcome outcome =
        WalkCandidates(db_, page_.messages(), [this](const Recordset& row) { evaluate(row); });
    if (!outcome.endedByError) {
        showClosingMessages();
    }
    return outcome;
}

void QtkRun::evaluate(const Recordset& row) {
    const UnitPerformance unit = EvaluateUnit(Series::Qtk, UnitRecord(row), conditions_, corrections_, db_);
    const std::string shownName = ShownModelName(unit.storedName, Series::Qtk, page_.launch().Brand);
    if (!Accepted(unit, shownName, rejected_)) return;

    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(unit.coolingCapacity)},
        {column::kCoolingPower, FourDigitText(unit.coolingPower)},
        {column::kCoolingFlow, FourDigitText(unit.coolingFlow)},
        {column::kRatedCapacity, FourDigitText(unit.ratedCapacity)},
        {column::kRatedPower, FourDigitText(unit.ratedPower)},
        {column::kCoolingInletTemp, FormatText("%.2f", unit.coolingInletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, PressureDropCell(Series::Qtk, unit.pressureDrops)},
    };
    ModelResult& record = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(record, conditions_, unit);
    ++rowCount_;
}

void QtkRun::showClosingMessages() {
    MessageSink& messages = page_.messages();
    if (!rejected_.envelope.empty()) {
        const EnvelopeLimit limit = EnvelopeCrossings(Series::Qtk, conditions_, corrections_).front();
        messages.show(EnvelopeMessage(Series::Qtk, limit), kApplicationTitle);
    }
    ShowFlowRejections(messages, rejected_);
    ShowInconsistentUnits(messages, rejected_);
}

}  // namespace

RunOutcome RunQtkSelection(SelectionPage& page, PerformanceDatabase& db) { return QtkRun(page, db).run(); }

}  // namespace keld
