// SPDX-License-Identifier: MIT
// The QHK screw heat-pump selection: cooling and heating duty at once.
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

// Below −5 °C ambient a heat pump's leaving water is limited: chilled water
// to ambient × 20/3 + 205/3, hot water to ambient + 60.
constexpr double kEnvelopeAmbient = -5.0;
float CoolingLeavingWaterLimit(float ambient) {
    return static_cast<float>(ambient * 6.666666666666667 + 68.33333333333333);
}
float HeatingLeavingWaterLimit(float ambient) { return static_cast<float>(ambient + 60.0); }

class QhkRun {
public:
    QhkRun(SelectionPage& page, PerformanceDatabase& db)
        : page_(page), db_(db), conditions_(page.conditions()), corrections_(page.corrections()) {}

    RunOutcome run();

private:
    std::string envelopeMessage() const;
    void evaluate(const Recordset& unit);
    double glycolFlowFactor();

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
        WalkCandidates(db_, page_.messages(), [this](const Recordset& unit) { evaluate(unit); });
    if (!outcome.endedByError) {
        ShowFlowRejections(page_.messages(), rejected_);
        ShowInconsistentUnits(page_.messages(), rejected_);
    }
    return outcome;
}

std::string QhkRun::envelopeMessage() const {
    std::string message;
    if (conditions_.coolingAmbientTemp - kEnvelopeAmbient < 0) {
        const float limit = CoolingLeavingWaterLimit(conditions_.coolingAmbientTemp);
        if (conditions_.coolingOutletTemp > limit) {
            message = FormatText(
                "Cooling:When the Ambient temperature is %.1f °C,the outlet temperature must be no more than "
                "%.2f °C.",
                static_cast<double>(conditions_.coolingAmbientTemp), static_cast<double>(limit));
        }
    }
    if (conditions_.heatingAmbientTemp - kEnvelopeAmbient < 0) {
        const float limit = HeatingLeavingWaterLimit(conditions_.heatingAmbientTemp);
        if (conditions_.heatingOutletTemp > limit) {
            if (!message.empty()) message += "\n";
            message += FormatText(
                "Heating:When the Ambient temperature is %.1f °C,the outlet temperature must be no more than "
                "%.2f °C.",
                static_cast<double>(conditions_.heatingAmbientTemp), static_cast<double>(limit));
        }
    }
    return message;
}

// Glycol carries less heat than water: both flows grow by the fluid's factor.
double QhkRun::glycolFlowFactor() {
    if (conditions_.unitType != 1 || !conditions_.fluidIsGlycol) return 1.0;
    return LookupByKey(db_, static_cast<float>(conditions_.glycolPercent), schema::kCorrectionFlow,
                       schema::kFluid, schema::kConcertration);
}

void QhkRun::evaluate(const Recordset& unit) {
    const std::string storedName = unit.ReadFieldText(schema::kUnitModelName);
    const std::string shownName = ShownModelName(storedName, Series::Qhk, page_.launch().Brand);
    const ModuleConnection modules = ParseConnect(unit.ReadFieldText(schema::kUnitConnect), Series::Qhk);
    const ValuePair nominalDrops = ParseValuePair(unit.ReadFieldText(schema::kUnitWaterPress));
    if (!NamesKnownModules(modules, Series::Qhk) || (nominalDrops.isPair && !modules.hasSecond())) {
        RejectedUnits::add(rejected_.inconsistent, shownName);
        return;
    }

    const ModuleRating& first = *FindModule(Series::Qhk, modules.first);
    const ModuleRating* second = modules.hasSecond() ? FindModule(Series::Qhk, modules.second) : nullptr;
    auto coolingOf = [this](const ModuleRating& module) {
        return ModuleDuty{module.coolingCapacity * corrections_.capacityRatio,
                          module.coolingPower * corrections_.powerRatio};
    };
    auto heatingOf = [this](const ModuleRating& module) {
        return ModuleDuty{module.heatingCapacity * corrections_.heatCapacityRatio,
                          module.heatingPower * corrections_.heatPowerRatio};
    };
    const UnitDuty cooling = CombineModules(
        coolingOf(first), second != nullptr ? std::optional(coolingOf(*second)) : std::nullopt);
    const UnitDuty heating = CombineModules(
        heatingOf(first), second != nullptr ? std::optional(heatingOf(*second)) : std::nullopt);

    const double k = glycolFlowFactor();
    const CircuitDuty chilledCircuit = CoolingCircuit(conditions_);
    const bool coolingRatingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater chilled = ComputeCircuitWater(chilledCircuit, cooling, k, coolingRatingPoint, [&unit] {
        return unit.ReadFieldDouble(schema::kUnitFlow7);
    });
    const CircuitWater hot = ComputeCircuitWater(
        HeatingCircuit(conditions_), heating, k, AtHeatingRatingPoint(conditions_, corrections_),
        [&unit] { return unit.ReadFieldNumber(schema::kUnitFlow7H); });
    // Both circuits run through the same heat exchanger and share its range.
    const FlowRange range = ParseFlowRange(unit.ReadFieldText(schema::kUnitFlowRange));
    if (!FlowWithinRange(range, chilled, conditions_.coolingFlowEntered) ||
        !FlowWithinRange(range, hot, conditions_.heatingFlowEntered)) {
        RejectedUnits::add(rejected_.flow, shownName);
        return;
    }

    const std::string chilledFlowText = FourDigitText(chilled.flow);
    const double shownFlow = RoundSignificant4(chilled.flow);
    const DropFactor factor = [this](double ratio) {
        return PressureDropRatioScrew(db_, ratio, conditions_.glycolPercent, conditions_, false);
    };
    std::string drop;
    if (nominalDrops.isPair) {
        const ModuleFlows moduleFlows = SplitModuleFlows(chilledCircuit, cooling, k, coolingRatingPoint,
                                                         first.chilledWaterFlow, second->chilledWaterFlow);
        drop = TwoModuleDropText(nominalDrops, ParseValuePair(unit.ReadFieldText(schema::kUnitFlowTow)),
                                 moduleFlows, factor, "%.6f");
    } else {
        drop = OneModuleDropText(nominalDrops.first, shownFlow / unit.ReadFieldDouble(schema::kUnitFlow7),
                                 factor, "%.6f");
    }

    const std::string ratedCapacity = FourDigitText(ReadRatedFigure(unit, schema::kUnitCapacity7));
    const std::string ratedPower = FourDigitText(ReadRatedFigure(unit, schema::kUnitPower7));
    const ResultCells cells{
        {column::kCoolingCapacity, FourDigitText(cooling.capacity)},
        {column::kCoolingPower, FourDigitText(cooling.power)},
        {column::kCoolingFlow, chilledFlowText},
        {column::kHeatingCapacity, FourDigitText(heating.capacity)},
        {column::kHeatingPower, FourDigitText(heating.power)},
        {column::kHeatingFlow, FourDigitText(hot.flow)},
        {column::kRatedCapacity, ratedCapacity},
        {column::kRatedCapacityRepeat, ratedCapacity},
        {column::kRatedPower, ratedPower},
        {column::kRatedPowerRepeat, ratedPower},
        {column::kHeatingInletTemp, FormatText("%.2f", hot.inletTemp)},
        {column::kCoolingInletTemp, FormatText("%.2f", chilled.inletTemp)},
        {column::kAltitude, AltitudeCell(conditions_)},
        {column::kPressureDrop, ThreeDigitDropText(drop)},
    };
    ModelResult& record = AddResultRow(page_.results(), rowCount_, shownName, cells);
    FillCoolingRecord(record, conditions_, chilled.inletTemp, shownFlow);
    record.heatingAmbientTemp = conditions_.heatingAmbientTemp;
    record.heatingOutletTemp = conditions_.heatingOutletTemp;
    record.heatingInletTemp = hot.inletTemp;
    record.heatingWaterFlow = hot.flow;
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
