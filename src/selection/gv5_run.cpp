// SPDX-License-Identifier: MIT
// The GV5 screw chiller selection (QSK …GV5, the second brand's chillers).
#include <string>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "db/performance_database.h"
#include "engine/candidate_query.h"
#include "engine/connect.h"
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

class Gv5Run {
public:
    Gv5Run(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    bool checkEnvelope();
    void evaluate(const Recordset& row);

    SelectionPage& page_;
    PerformanceDatabase& db_;
    const SelectionConditions& conditions_;
    const CorrectionResult& corrections_;
    RejectedUnits rejected_;
    int rowCount_ = 0;
};

RunOutcome Gv5Run::run() {
    if (!page_.ValidateScrewInputs()) {
        ClearResults(page_.results());
        return ListEffect::Cleared;
    }
    if (!checkEnvelope()) return ListEffect::Kept;
    ComputeScrewCorrections(db_, conditions_, page_.corrections());
    if (!CheckUsableRatios(page_.messages(), conditions_.coolingAmbientTemp, conditions_.coolingOutletTemp,
                           {corrections_.capacityRatio, corrections_.powerRatio}) ||
        !CheckCapacityRatio(page_.messages(), conditions_, corrections_.capacityRatio))
        return ListEffect::Kept;
    const std::string query = BuildCandidateQuery(conditions_, corrections_.capacityRatio, Series::Gv5);
    if (!FindCandidates(db_, page_.messages(), query)) return ListEffect::Kept;

    ClearResults(page_.results());
    const RunOutcome outcome =
        WalkCandidates(db_, page_.messages(), [this](const Recordset& row) { evaluate(row); });
    if (!outcome.endedByError) {
        ShowFlowRejections(page_.messages(), rejected_);
        ShowInconsistentUnits(page_.messages(), rejected_);
    }
    return outcome;
}

bool Gv5Run::checkEnvelope() {
    const auto crossed = EnvelopeCrossings(Series::Gv5, conditions_, corrections_);
    if (crossed.empty()) return true;
    page_.messages().show(EnvelopeMessage(Series::Gv5, crossed.front()), kApplicationTitle);
    return false;
}

void Gv5Run::evaluate(const Recordset& row) {
    const UnitRecord record(row);
    const std::string storedName = record.modelName();
    if (HiddenByLaunch(page_.launch().SecondDigit, ParseConnect(record.connect(), Series::Gv5).first)) return;
    const UnitPerformance unit = EvaluateUnit(Series::Gv5, record, conditions_, corrections_, db_);
    const std::string shownName = ShownModelName(storedName, Series::Gv5, page_.launch().Brand);
    if (!Accepted(unit, shownName, rejected_)) return;

    const std::string ratedCapacity = FourDigitText(unit.ratedCapacity);
    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(unit.coolingCapacity)},
        {column::kCoolingPower, FourDigitText(unit.coolingPower)},
        {column::kCoolingFlow, FourDigitText(unit.coolingFlow)},
        {column::kRatedCapacity, ratedCapacity},
        {column::kRatedCapacityRepeat, ratedCapacity},
        {column::kRatedPower, FourDigitText(unit.ratedPower)},
        {column::kCoolingInletTemp, FormatText("%.2f", unit.coolingInletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, PressureDropCell(Series::Gv5, unit.pressureDrops)},
    };
    ModelResult& result = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(result, conditions_, unit);
    result.isWater = conditions_.fluidIsGlycol ? 0 : 1;
    result.glycolPercent = conditions_.fluidIsGlycol ? conditions_.glycolPercent : 0;
    result.heatingCapacityRequired = conditions_.heatingCapacityRequired;
    result.heatingFlowEntered = conditions_.heatingFlowEntered;
    ++rowCount_;
}

}  // namespace

RunOutcome RunGv5Selection(SelectionPage& page, PerformanceDatabase& db) { return Gv5Run(page, db).run(); }

}  // namespace keld
