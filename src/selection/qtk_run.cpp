// SPDX-License-Identifier: MIT
// The QTK centrifugal chiller selection.
#include <cmath>
#include <optional>
#include <string>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "db/performance_database.h"
#include "db/recordset.h"
#include "db/schema.h"
#include "engine/candidate_query.h"
#include "engine/connect.h"
#include "engine/corrections.h"
#include "selection/model_names.h"
#include "engine/pressure_drop.h"
#include "selection/pressure_drop_text.h"
#include "selection/run_steps.h"
#include "selection/page/selection_page.h"
#include "selection/series_runs.h"
#include "base/significant_rounding.h"
#include "engine/unit_duty.h"
#include "engine/water_flow.h"

namespace keld {
namespace {

// Above 40 °C ambient the leaving water must stay above 1.5 × ambient − 56.
constexpr double kEnvelopeAmbient = 40.0;
constexpr double kEnvelopeTolerance = 0.00001;
double EnvelopeLeavingWaterLimit(double ambient) { return 1.5 * ambient - 56; }

// At the rating point the smallest unit is rated at 93.2 kW, not at the grid's
// power ratio times its module's power.
constexpr const char* kRatedPowerUnit = "QTK090GN5-LQE";
constexpr double kRatedPowerOfRatedPowerUnit = 93.2;

class QtkRun {
public:
    QtkRun(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    void evaluate(const Recordset& unit);
    ModuleDuty moduleDuty(int index, bool ratedPowerUnit) const;
    bool outsideEnvelope() const;
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
        WalkCandidates(db_, page_.messages(), [this](const Recordset& unit) { evaluate(unit); });
    if (!outcome.endedByError) {
        showClosingMessages();
    }
    return outcome;
}

// Modules 130 and 260 (odd indexes) and 090 and 180 (even) have grids of
// their own.
ModuleDuty QtkRun::moduleDuty(int index, bool ratedPowerUnit) const {
    const ModuleRating& module = *FindModule(Series::Qtk, index);
    const bool odd = index % 2 == 1;
    ModuleDuty duty{
        module.coolingCapacity * (odd ? corrections_.capacityRatio : corrections_.capacityRatioEven),
        module.coolingPower * (odd ? corrections_.powerRatio : corrections_.powerRatioEven)};
    if (ratedPowerUnit) duty.power = kRatedPowerOfRatedPowerUnit;
    return duty;
}

bool QtkRun::outsideEnvelope() const {
    const double ambient = conditions_.coolingAmbientTemp;
    return (ambient - kEnvelopeAmbient > kEnvelopeTolerance &&
            EnvelopeLeavingWaterLimit(ambient) > conditions_.coolingOutletTemp) ||
           corrections_.capacityRatioEven == 0;
}

void QtkRun::evaluate(const Recordset& unit) {
    const std::string storedName = unit.ReadFieldText(schema::kUnitModelName);
    const std::string shownName = ShownModelName(storedName, Series::Qtk, page_.launch().Brand);
    const ModuleConnection modules = ParseConnect(unit.ReadFieldText(schema::kUnitConnect), Series::Qtk);
    const ValuePair nominalDrops = ParseValuePair(unit.ReadFieldText(schema::kUnitWaterPress));
    if (!NamesKnownModules(modules, Series::Qtk) || (nominalDrops.isPair && !modules.hasSecond())) {
        RejectedUnits::add(rejected_.inconsistent, shownName);
        return;
    }

    const bool ratedPowerUnit = conditions_.coolingAmbientTemp == 35 && conditions_.coolingOutletTemp == 7 &&
                                storedName == kRatedPowerUnit &&
                                std::fabs(conditions_.foulingFactor - 0.018) < 0.00001 &&
                                conditions_.altitude == 0;
    std::optional<ModuleDuty> second;
    if (modules.hasSecond()) second = moduleDuty(modules.second, false);
    const UnitDuty duty = CombineModules(moduleDuty(modules.first, ratedPowerUnit), second);

    if (outsideEnvelope()) {
        RejectedUnits::add(rejected_.envelope, storedName);
        return;
    }

    // A centrifugal chiller runs on water: no glycol flow factor.
    constexpr double kWaterFlowFactor = 1.0;
    const CircuitDuty cooling = CoolingCircuit(conditions_);
    const bool ratingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater water = ComputeCircuitWater(cooling, duty, kWaterFlowFactor, ratingPoint, [&unit] {
        return unit.ReadFieldDouble(schema::kUnitFlow7);
    });
    if (!FlowWithinRange(ParseFlowRange(unit.ReadFieldText(schema::kUnitFlowRange)), water,
                         conditions_.coolingFlowEntered)) {
        RejectedUnits::add(rejected_.flow, shownName);
        return;
    }

    const std::string flowText = FourDigitText(water.flow);
    const double shownFlow = RoundSignificant4(water.flow);
    const ValuePair nominalFlows = ParseValuePair(unit.ReadFieldText(schema::kUnitFlowTow));
    const DropFactor factor = [this](double ratio) {
        return PressureDropRatio(db_, ratio, conditions_.glycolPercent);
    };
    std::string drop;
    if (nominalDrops.isPair) {
        const ModuleFlows moduleFlows =
            SplitModuleFlows(cooling, duty, kWaterFlowFactor, ratingPoint,
                             FindModule(Series::Qtk, modules.first)->chilledWaterFlow,
                             FindModule(Series::Qtk, modules.second)->chilledWaterFlow);
        drop = TwoModuleDropText(nominalDrops, nominalFlows, moduleFlows, factor, "%.1f");
    } else {
        drop = OneModuleDropText(nominalDrops.first, shownFlow / nominalFlows.first, factor, "%.1f");
    }

    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(duty.capacity)},
        {column::kCoolingPower, FourDigitText(duty.power)},
        {column::kCoolingFlow, flowText},
        {column::kRatedCapacity, FourDigitText(ReadRatedFigure(unit, schema::kUnitCapacity))},
        {column::kRatedPower, FourDigitText(ReadRatedFigure(unit, schema::kUnitPower))},
        {column::kCoolingInletTemp, FormatText("%.2f", water.inletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, drop},
    };
    ModelResult& record = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(record, conditions_, water.inletTemp, shownFlow);
    ++rowCount_;
}

void QtkRun::showClosingMessages() {
    MessageSink& messages = page_.messages();
    if (!rejected_.envelope.empty()) {
        const double ambient = conditions_.coolingAmbientTemp;
        messages.show(
            FormatText("When the Ambient temperature is more than %.1f °C,the outlet temperature must "
                       "be more than %.2f °C",
                       ambient, EnvelopeLeavingWaterLimit(ambient)),
            kApplicationTitle);
    }
    ShowFlowRejections(messages, rejected_);
    ShowInconsistentUnits(messages, rejected_);
}

}  // namespace

RunOutcome RunQtkSelection(SelectionPage& page, PerformanceDatabase& db) { return QtkRun(page, db).run(); }

}  // namespace keld
