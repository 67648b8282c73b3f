// SPDX-License-Identifier: MIT
#include "engine/unit_performance.h"

#include <cmath>
#include <functional>
#include <optional>

#include "base/format_text.h"
#include "base/significant_rounding.h"
#include "db/database_error.h"
#include "db/lookups.h"
#include "db/recordset.h"
#include "db/schema.h"
#include "engine/connect.h"
#include "engine/envelope.h"
#include "engine/pressure_drop.h"
#include "engine/unit_duty.h"
#include "engine/water_flow.h"

namespace keld {

std::string UnitRecord::modelName() const { return row_.ReadFieldText(schema::kUnitModelName); }
std::string UnitRecord::connect() const { return row_.ReadFieldText(schema::kUnitConnect); }
std::string UnitRecord::pressureDrops() const { return row_.ReadFieldText(schema::kUnitWaterPress); }
std::string UnitRecord::nominalFlows() const { return row_.ReadFieldText(schema::kUnitFlowTow); }
std::string UnitRecord::permittedFlow() const { return row_.ReadFieldText(schema::kUnitFlowRange); }
double UnitRecord::ratedFlow() const { return row_.ReadFieldDouble(schema::kUnitFlow7); }
double UnitRecord::ratedHeatingFlow() const { return row_.ReadFieldNumber(schema::kUnitFlow7H); }

double UnitRecord::ratedFigure(const std::string& column) const {
    const double figure = row_.ReadFieldNumber(column);
    if (std::isfinite(figure)) return figure;
    throw DatabaseError(database_error_code::kTypeMismatch,
                        FormatText("The field \"%s\" holds \"%s\", which is not a number.", column.c_str(),
                                   row_.ReadFieldText(column).c_str()));
}

namespace {

// Below this a module's flow ratio is taken as it is: no factor is looked up
// for a module that carries (almost) no water.
constexpr double kSmallestCorrectedRatio = 0.00001;

// The smallest QTK unit is rated at 93.2 kW at the rating point, not at the
// grid's power ratio times its module's power.
constexpr const char* kRatedPowerUnit = "QTK090GN5-LQE";
constexpr double kRatedPowerOfRatedPowerUnit = 93.2;

// The GV5 units built on the large modules (335, 365, 380, 395) have
// pressure-drop curves of their own.
bool UsesSecondDropCurve(const std::string& storedName) {
    for (const char* code : {"335", "365", "380", "395"}) {
        if (storedName.find(code) != std::string::npos) return true;
    }
    return false;
}

// Turns a flow ratio (actual / nominal flow) into the series' pressure-drop
// factor.
using DropFactor = std::function<double(double flowRatio)>;

// The drop of one module of a two-module unit: its flow as the list shows it
// over its nominal flow, corrected unless (almost) no water flows.
double ModuleDrop(double nominalDrop, double flow, double nominalFlow, const DropFactor& factor) {
    double ratio = RoundSignificant4(flow) / nominalFlow;
    if (ratio > kSmallestCorrectedRatio) ratio = factor(ratio);
    return nominalDrop * ratio;
}

std::vector<double> TwoModuleDrops(const ValuePair& nominalDrops, const ValuePair& nominalFlows,
                                   const ModuleFlows& flows, const DropFactor& factor) {
    // Left module first: its factor is looked up first.
    const double first = ModuleDrop(nominalDrops.first, flows.first, nominalFlows.first, factor);
    const double second = ModuleDrop(nominalDrops.second, flows.second, nominalFlows.second, factor);
    return {first, second};
}

// What every series shares once its module duties are known: the row's
// modules and nominal drops, and where the evaluation stands.
class Evaluation {
public:
    Evaluation(Series series, const UnitRecord& unit, const SelectionConditions& conditions,
               const CorrectionResult& corrections, PerformanceDatabase& db)
        : series_(series), unit_(unit), conditions_(conditions), corrections_(corrections), db_(db) {}

    UnitPerformance run();

private:
    bool readModules();
    void qtk();
    void qhk();
    void gv5();
    ModuleDuty coolingOf(int index, bool odd = true) const;
    bool flowPermitted(const CircuitWater& water, bool flowEntered) const;
    void reject(Rejection why) { result_.rejection = why; }

    Series series_;
    const UnitRecord& unit_;
    const SelectionConditions& conditions_;
    const CorrectionResult& corrections_;
    PerformanceDatabase& db_;
    UnitPerformance result_;
    ModuleConnection modules_;
    ValuePair nominalDrops_;
};

UnitPerformance Evaluation::run() {
    result_.storedName = unit_.modelName();
    if (!readModules()) {
        reject(Rejection::Inconsistent);
        return result_;
    }
    switch (series_) {
        case Series::Qtk:
            qtk();
            break;
        case Series::Qhk:
            qhk();
            break;
        case Series::Gv5:
            gv5();
            break;
    }
    return result_;
}

// A row whose Connect names a module the series does not have, or that gives
// two drops for a single module, cannot be evaluated.
bool Evaluation::readModules() {
    modules_ = ParseConnect(unit_.connect(), series_);
    nominalDrops_ = ParseValuePair(unit_.pressureDrops());
    return NamesKnownModules(modules_, series_) && !(nominalDrops_.isPair && !modules_.hasSecond());
}

// The module's cooling duty with the run's ratios; a QTK run has ratios of
// its own for the even modules (090 and 180).
ModuleDuty Evaluation::coolingOf(int index, bool odd) const {
    const ModuleRating& module = *FindModule(series_, index);
    return {module.coolingCapacity * (odd ? corrections_.capacityRatio : corrections_.capacityRatioEven),
            module.coolingPower * (odd ? corrections_.powerRatio : corrections_.powerRatioEven)};
}

bool Evaluation::flowPermitted(const CircuitWater& water, bool flowEntered) const {
    return FlowWithinRange(result_.permittedFlow, water, flowEntered);
}

void Evaluation::qtk() {
    // Modules 130 and 260 (odd indexes) and 090 and 180 (even) have grids of
    // their own.
    auto dutyOf = [this](int index) { return coolingOf(index, index % 2 == 1); };
    ModuleDuty first = dutyOf(modules_.first);
    if (conditions_.coolingAmbientTemp == 35 && conditions_.coolingOutletTemp == 7 &&
        result_.storedName == kRatedPowerUnit && std::fabs(conditions_.foulingFactor - 0.018) < 0.00001 &&
        conditions_.altitude == 0)
        first.power = kRatedPowerOfRatedPowerUnit;
    std::optional<ModuleDuty> second;
    if (modules_.hasSecond()) second = dutyOf(modules_.second);
    const UnitDuty duty = CombineModules(first, second);
    result_.coolingCapacity = duty.capacity;
    result_.coolingPower = duty.power;

    if (const auto crossed = EnvelopeCrossings(Series::Qtk, conditions_, corrections_); !crossed.empty()) {
        result_.envelope = crossed.front();
        return reject(Rejection::Envelope);
    }

    // A centrifugal chiller runs on water: no glycol flow factor.
    constexpr double kWaterFlowFactor = 1.0;
    const CircuitDuty cooling = CoolingCircuit(conditions_);
    const bool ratingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater water = ComputeCircuitWater(cooling, duty, kWaterFlowFactor, ratingPoint,
                                                   [this] { return unit_.ratedFlow(); });
    result_.coolingFlow = water.flow;
    result_.coolingInletTemp = water.inletTemp;
    result_.permittedFlow = ParseFlowRange(unit_.permittedFlow());
    if (!flowPermitted(water, conditions_.coolingFlowEntered)) return reject(Rejection::Flow);

    const ValuePair nominalFlows = ParseValuePair(unit_.nominalFlows());
    const DropFactor factor = [this](double ratio) {
        return PressureDropRatio(db_, ratio, conditions_.glycolPercent);
    };
    if (nominalDrops_.isPair) {
        const ModuleFlows flows =
            SplitModuleFlows(cooling, duty, kWaterFlowFactor, ratingPoint,
                             FindModule(Series::Qtk, modules_.first)->chilledWaterFlow,
                             FindModule(Series::Qtk, modules_.second)->chilledWaterFlow);
        result_.pressureDrops = TwoModuleDrops(nominalDrops_, nominalFlows, flows, factor);
    } else {
        result_.pressureDrops = {nominalDrops_.first *
                                 factor(RoundSignificant4(water.flow) / nominalFlows.first)};
    }
    result_.ratedCapacity = unit_.ratedFigure(schema::kUnitCapacity);
    result_.ratedPower = unit_.ratedFigure(schema::kUnitPower);
}

void Evaluation::qhk() {
    const ModuleRating& first = *FindModule(Series::Qhk, modules_.first);
    const ModuleRating* second = modules_.hasSecond() ? FindModule(Series::Qhk, modules_.second) : nullptr;
    auto heatingOf = [this](const ModuleRating& module) {
        return ModuleDuty{module.heatingCapacity * corrections_.heatCapacityRatio,
                          module.heatingPower * corrections_.heatPowerRatio};
    };
    const UnitDuty cooling =
        CombineModules(coolingOf(modules_.first),
                       second != nullptr ? std::optional(coolingOf(modules_.second)) : std::nullopt);
    const UnitDuty heating = CombineModules(
        heatingOf(first), second != nullptr ? std::optional(heatingOf(*second)) : std::nullopt);
    result_.hasHeating = true;
    result_.coolingCapacity = cooling.capacity;
    result_.coolingPower = cooling.power;
    result_.heatingCapacity = heating.capacity;
    result_.heatingPower = heating.power;

    if (const auto crossed = EnvelopeCrossings(Series::Qhk, conditions_, corrections_); !crossed.empty()) {
        result_.envelope = crossed.front();
        return reject(Rejection::Envelope);
    }

    // Glycol carries less heat than water: both flows of a heat pump grow by
    // the fluid's factor.
    const double k = conditions_.unitType == 1 && conditions_.fluidIsGlycol
                         ? LookupByKey(db_, static_cast<float>(conditions_.glycolPercent),
                                       schema::kCorrectionFlow, schema::kFluid, schema::kConcertration)
                         : 1.0;
    const CircuitDuty chilledCircuit = CoolingCircuit(conditions_);
    const bool coolingRatingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater chilled = ComputeCircuitWater(chilledCircuit, cooling, k, coolingRatingPoint,
                                                     [this] { return unit_.ratedFlow(); });
    const CircuitWater hot = ComputeCircuitWater(HeatingCircuit(conditions_), heating, k,
                                                 AtHeatingRatingPoint(conditions_, corrections_),
                                                 [this] { return unit_.ratedHeatingFlow(); });
    result_.coolingFlow = chilled.flow;
    result_.coolingInletTemp = chilled.inletTemp;
    result_.heatingFlow = hot.flow;
    result_.heatingInletTemp = hot.inletTemp;
    // Both circuits run through the same heat exchanger and share its range.
    result_.permittedFlow = ParseFlowRange(unit_.permittedFlow());
    if (!flowPermitted(chilled, conditions_.coolingFlowEntered) ||
        !flowPermitted(hot, conditions_.heatingFlowEntered))
        return reject(Rejection::Flow);

    const DropFactor factor = [this](double ratio) {
        return PressureDropRatioScrew(db_, ratio, conditions_.glycolPercent, conditions_, false);
    };
    if (nominalDrops_.isPair) {
        const ModuleFlows flows = SplitModuleFlows(chilledCircuit, cooling, k, coolingRatingPoint,
                                                   first.chilledWaterFlow, second->chilledWaterFlow);
        result_.pressureDrops =
            TwoModuleDrops(nominalDrops_, ParseValuePair(unit_.nominalFlows()), flows, factor);
    } else {
        const double shownFlow = RoundSignificant4(chilled.flow);
        result_.pressureDrops = {nominalDrops_.first * factor(shownFlow / unit_.ratedFlow())};
    }
    result_.ratedCapacity = unit_.ratedFigure(schema::kUnitCapacity7);
    result_.ratedPower = unit_.ratedFigure(schema::kUnitPower7);
}

void Evaluation::gv5() {
    const bool useConference2 = UsesSecondDropCurve(result_.storedName);
    const UnitDuty duty =
        CombineModules(coolingOf(modules_.first),
                       modules_.hasSecond() ? std::optional(coolingOf(modules_.second)) : std::nullopt);
    result_.coolingCapacity = duty.capacity;
    result_.coolingPower = duty.power;

    if (const auto crossed = EnvelopeCrossings(Series::Gv5, conditions_, corrections_); !crossed.empty()) {
        result_.envelope = crossed.front();
        return reject(Rejection::Envelope);
    }

    // The unit's nominal flow, for the rating point and a single module's drop.
    const double ratedFlow = unit_.ratedFlow();
    const double k = conditions_.fluidIsGlycol
                         ? LookupByKey(db_, static_cast<float>(conditions_.glycolPercent),
                                       schema::kCorrectionFlow, schema::kFluid, schema::kConcertration)
                         : 1.0;
    const CircuitDuty cooling = CoolingCircuit(conditions_);
    const bool ratingPoint = AtCoolingRatingPoint(conditions_, corrections_);
    const CircuitWater water =
        ComputeCircuitWater(cooling, duty, k, ratingPoint, [ratedFlow] { return ratedFlow; });
    result_.coolingFlow = water.flow;
    result_.coolingInletTemp = water.inletTemp;
    result_.permittedFlow = ParseFlowRange(unit_.permittedFlow());
    if (!flowPermitted(water, conditions_.coolingFlowEntered)) return reject(Rejection::Flow);

    const DropFactor factor = [this, useConference2](double ratio) {
        return PressureDropRatioScrew(db_, ratio, conditions_.glycolPercent, conditions_, useConference2);
    };
    if (nominalDrops_.isPair) {
        // The module flows of a GV5 unit are split without the glycol factor.
        constexpr double kWithoutGlycolFactor = 1.0;
        const ModuleFlows flows =
            SplitModuleFlows(cooling, duty, kWithoutGlycolFactor, ratingPoint,
                             FindModule(Series::Gv5, modules_.first)->chilledWaterFlow,
                             FindModule(Series::Gv5, modules_.second)->chilledWaterFlow);
        result_.pressureDrops =
            TwoModuleDrops(nominalDrops_, ParseValuePair(unit_.nominalFlows()), flows, factor);
    } else {
        result_.pressureDrops = {nominalDrops_.first * factor(RoundSignificant4(water.flow) / ratedFlow)};
    }
    result_.ratedCapacity = unit_.ratedFigure(schema::kUnitCapacity7);
    result_.ratedPower = unit_.ratedFigure(schema::kUnitPower7);
}

}  // namespace

UnitPerformance EvaluateUnit(Series series, const UnitRecord& unit, const SelectionConditions& conditions,
                             const CorrectionResult& corrections, PerformanceDatabase& db) {
    return Evaluation(series, unit, conditions, corrections, db).run();
}

}  // namespace keld
