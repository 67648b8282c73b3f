// SPDX-License-Identifier: MIT
// The GV5 screw chiller selection (QSK …GV5, the second brand's chillers).
#include <optional>
#include <string>

#include "base/format_text.h"
#include "db/lookups.h"
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

// Above 45 °C ambient the leaving water may be at most 125 − 2 × ambient.
constexpr double kEnvelopeAmbient = 45.0;
constexpr double kEnvelopeTolerance = 0.00001;

// The large units (335, 365, 380, 395) have pressure-drop curves of their own.
bool UsesSecondDropCurve(const std::string& storedName) {
    for (const char* code : {"335", "365", "380", "395"}) {
        if (storedName.find(code) != std::string::npos) return true;
    }
    return false;
}

// Launch digit 4 hides the units built on the 260, 325 and 380 modules.
bool HiddenByLaunch(int secondDigit, int firstModule) {
    return secondDigit == 4 && (firstModule == 4 || firstModule == 7 || firstModule == 10);
}

class Gv5Run {
public:
    Gv5Run(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    bool checkEnvelope();
    void evaluate(const Recordset& unit);

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
        WalkCandidates(db_, page_.messages(), [this](const Recordset& unit) { evaluate(unit); });
    if (!outcome.endedByError) {
        ShowFlowRejections(page_.messages(), rejected_);
        ShowInconsistentUnits(page_.messages(), rejected_);
    }
    return outcome;
}

bool Gv5Run::checkEnvelope() {
    if (!(conditions_.coolingAmbientTemp > kEnvelopeAmbient)) return true;
    const float limit = static_cast<float>(125 - 2 * static_cast<double>(conditions_.coolingAmbientTemp));
    if (!(conditions_.coolingOutletTemp - static_cast<double>(limit) > kEnvelopeTolerance)) return true;
    page_.messages().show(
        FormatText("Cooling:When the Ambient temperature is %.1f °C,the outlet temperature must be no more "
                   "than %.2f °C.",
                   static_cast<double>(conditions_.coolingAmbientTemp), static_cast<double>(limit)),
        kApplicationTitle);
    return false;
}

void Gv5Run::evaluate(const Recordset& unit) {
    const std::string storedName = unit.ReadFieldText(schema::kUnitModelName);
    const bool useConference2 = UsesSecondDropCurve(storedName);
    const ModuleConnection modules = ParseConnect(unit.ReadFieldText(schema::kUnitConnect), Series::Gv5);
    if (HiddenByLaunch(page_.launch().SecondDigit, modules.first)) return;
    const std::string shownName = ShownModelName(storedName, Series::Gv5, page_.launch().Brand);
    const ValuePair nominalDrops = ParseValuePair(unit.ReadFieldText(schema::kUnitWaterPress));
    if (!NamesKnownModules(modules, Series::Gv5) || (nominalDrops.isPair && !modules.hasSecond())) {
        RejectedUnits::add(rejected_.inconsistent, shownName);
        return;
    }

    const ModuleRating& first = *FindModule(Series::Gv5, modules.first);
    const ModuleRating* second = modules.hasSecond() ? FindModule(Series::Gv5, modules.second) : nullptr;
    auto dutyOf = [this](const ModuleRating& module) {
        return ModuleDuty{module.coolingCapacity * corrections_.capacityRatio,
                          module.coolingPower * corrections_.powerRatio};
    };
    const UnitDuty duty =
        CombineModules(dutyOf(first), second != nullptr ? std::optional(dutyOf(*second)) : std::nullopt);

    // The unit's nominal flow, for the rating point and a single module's drop.
    const double ratedFlow = unit.ReadFieldDouble(schema::kUnitFlow7);
    const double k = conditions_.fluidIsGlycol
                         ? LookupByKey(db_, static_cast<float>(conditions_.glycolPercent),
                                       schema::kCorrectionFlow, schema::kFluid, schema::kConcertration)
                         : 1.0;
    const CircuitDuty cooling = CoolingCircuit(conditions_);
    const bool ratingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater water =
        ComputeCircuitWater(cooling, duty, k, ratingPoint, [ratedFlow] { return ratedFlow; });
    if (!FlowWithinRange(ParseFlowRange(unit.ReadFieldText(schema::kUnitFlowRange)), water,
                         conditions_.coolingFlowEntered)) {
        RejectedUnits::add(rejected_.flow, shownName);
        return;
    }

    const std::string flowText = FourDigitText(water.flow);
    const double shownFlow = RoundSignificant4(water.flow);
    const DropFactor factor = [this, useConference2](double ratio) {
        return PressureDropRatioScrew(db_, ratio, conditions_.glycolPercent, conditions_, useConference2);
    };
    std::string drop;
    if (nominalDrops.isPair) {
        // The module flows of a GV5 unit are split without the glycol factor.
        constexpr double kWithoutGlycolFactor = 1.0;
        const ModuleFlows moduleFlows = SplitModuleFlows(cooling, duty, kWithoutGlycolFactor, ratingPoint,
                                                         first.chilledWaterFlow, second->chilledWaterFlow);
        drop = TwoModuleDropText(nominalDrops, ParseValuePair(unit.ReadFieldText(schema::kUnitFlowTow)),
                                 moduleFlows, factor, "%.6f");
    } else {
        drop = OneModuleDropText(nominalDrops.first, shownFlow / ratedFlow, factor, "%.6f");
    }

    const std::string ratedCapacity = FourDigitText(ReadRatedFigure(unit, schema::kUnitCapacity7));
    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(duty.capacity)},
        {column::kCoolingPower, FourDigitText(duty.power)},
        {column::kCoolingFlow, flowText},
        {column::kRatedCapacity, ratedCapacity},
        {column::kRatedCapacityRepeat, ratedCapacity},
        {column::kRatedPower, FourDigitText(ReadRatedFigure(unit, schema::kUnitPower7))},
        {column::kCoolingInletTemp, FormatText("%.2f", water.inletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, ThreeDigitDropText(drop)},
    };
    ModelResult& record = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(record, conditions_, water.inletTemp, shownFlow);
    record.isWater = conditions_.fluidIsGlycol ? 0 : 1;
    record.glycolPercent = conditions_.fluidIsGlycol ? conditions_.glycolPercent : 0;
    record.heatingCapacityRequired = conditions_.heatingCapacityRequired;
    record.heatingFlowEntered = conditions_.heatingFlowEntered;
    ++rowCount_;
}

}  // namespace

RunOutcome RunGv5Selection(SelectionPage& page, PerformanceDatabase& db) { return Gv5Run(page, db).run(); }

}  // namespace keld
