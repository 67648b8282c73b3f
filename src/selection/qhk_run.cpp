// SPDX-License-Identifier: MIT
// The QHK screw heat-pump selection: cooling and heating duty at once.
#include <string>

#include "base/format_text.h"
#include "base/message_sink.h"
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

class QhkRun {
public:
    QhkRun(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    std::string envelopeMessage() const;
    void evaluate(const Recordset& row);

    SelectionPage& page_;
    PerformanceDatabase& db_;
    const SelectionConditions& conditions_;
    const CorrectionResult& corrections_;
    RejectedUnits rejected_;
    int rowCount_ = 0;
};

RunOutcome QhkRun::run() {
    if (!page_.ValidateScrewInputs()) {
        ClearResults(page_.results());
        return ListEffect::Cleared;
    }
    ComputeScrewCorrections(db_, conditions_, page_.corrections());
    if (!CheckUsableRatios(page_.messages(), conditions_.coolingAmbientTemp, conditions_.coolingOutletTemp,
                           {corrections_.capacityRatio, corrections_.powerRatio}) ||
        !CheckUsableRatios(page_.messages(), conditions_.heatingAmbientTemp, conditions_.heatingOutletTemp,
                           {corrections_.heatCapacityRatio, corrections_.heatPowerRatio}) ||
        !CheckCapacityRatio(page_.messages(), conditions_, corrections_.capacityRatio))
        return ListEffect::Kept;
    const std::string query = BuildCandidateQuery(conditions_, corrections_.capacityRatio, Series::Qhk);
    if (!FindCandidates(db_, page_.messages(), query)) return ListEffect::Kept;

    ClearResults(page_.results());
    // The heat pump's envelope does not depend on the unit: one check for all.
    if (const std::string message = envelopeMessage(); !message.empty()) {
        page_.messages().show(message, kApplicationTitle);
        return ListEffect::Replaced;
    }
    const RunOutcome outcome =
        WalkCandidates(db_, page_.messages(), [this](const Recordset& row) { evaluate(row); });
    if (!outcome.endedByError) {
        ShowFlowRejections(page_.messages(), rejected_);
        ShowInconsistentUnits(page_.messages(), rejected_);
    }
    return outcome;
}

std::string QhkRun::envelopeMessage() const {
    std::string message;
    for (const EnvelopeLimit& limit : EnvelopeCrossings(Series::Qhk, conditions_, corrections_)) {
        if (!message.empty()) message += "\n";
        message += EnvelopeMessage(Series::Qhk, limit);
    }
    return message;
}

void QhkRun::evaluate(const Recordset& row) {
    const UnitPerformance unit = EvaluateUnit(Series::Qhk, UnitRecord(row), conditions_, corrections_, db_);
    const std::string shownName = ShownModelName(unit.storedName, Series::Qhk, page_.launch().Brand);
    if (!Accepted(unit, shownName, rejected_)) return;

    const std::string ratedCapacity = FourDigitText(unit.ratedCapacity);
    const std::string ratedPower = FourDigitText(unit.ratedPower);
    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(unit.coolingCapacity)},
        {column::kCoolingPower, FourDigitText(unit.coolingPower)},
        {column::kCoolingFlow, FourDigitText(unit.coolingFlow)},
        {column::kHeatingCapacity, FourDigitText(unit.heatingCapacity)},
        {column::kHeatingPower, FourDigitText(unit.heatingPower)},
        {column::kHeatingFlow, FourDigitText(unit.heatingFlow)},
        {column::kRatedCapacity, ratedCapacity},
        {column::kRatedCapacityRepeat, ratedCapacity},
        {column::kRatedPower, ratedPower},
        {column::kRatedPowerRepeat, ratedPower},
        {column::kHeatingInletTemp, FormatText("%.2f", unit.heatingInletTemp)},
        {column::kCoolingInletTemp, FormatText("%.2f", unit.coolingInletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, PressureDropCell(Series::Qhk, unit.pressureDrops)},
    };
    ModelResult& record = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(record, conditions_, unit);
    record.heatingAmbientTemp = conditions_.heatingAmbientTemp;
    record.heatingOutletTemp = conditions_.heatingOutletTemp;
    record.heatingInletTemp = unit.heatingInletTemp;
    record.heatingWaterFlow = unit.heatingFlow;
    const bool glycolRun = conditions_.unitType == 1 && conditions_.fluidIsGlycol;
    record.glycolPercent = glycolRun ? conditions_.glycolPercent : 0;
    record.isWater = glycolRun ? 0 : 1;
    record.heatingCapacityRequired = conditions_.heatingCapacityRequired;
    record.heatingFlowEntered = conditions_.heatingFlowEntered;
    ++rowCount_;
}

}  // namespace

RunOutcome RunQhkSelection(SelectionPage& page, PerformanceDatabase& db) { return QhkRun(page, db).run(); }

}  // namespace keld
