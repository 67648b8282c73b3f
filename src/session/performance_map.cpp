// SPDX-License-Identifier: MIT
#include "session/performance_map.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "base/format_text.h"
#include "base/quoted_text.h"
#include "db/database_error.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "db/schema.h"
#include "engine/candidate_query.h"
#include "engine/connect.h"
#include "engine/corrections.h"
#include "selection/launch_parameters.h"
#include "selection/model_names.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "selection/run_steps.h"
#include "session/apply_page_options.h"
#include "session/usage_error.h"

namespace keld {

MapRange ParseMapRange(const std::string& option, const std::string& text) {
    double parts[3] = {};
    const char* cursor = text.c_str();
    for (int i = 0; i < 3; ++i) {
        char* end = nullptr;
        parts[i] = std::strtod(cursor, &end);
        const char expected = i < 2 ? ':' : '\0';
        if (end == cursor || *end != expected || !std::isfinite(parts[i])) {
            throw UsageError(option + " takes FROM:TO:STEP in °C, not " + Quoted(text), option);
        }
        cursor = end + 1;
    }
    const MapRange range{parts[0], parts[1], parts[2]};
    if (range.step <= 0) throw UsageError(option + " needs a STEP above 0, not " + Quoted(text), option);
    if (range.to < range.from) {
        throw UsageError(option + " runs from " + FormatText("%g", range.from) + " down to " +
                             FormatText("%g", range.to) + ": give FROM no higher than TO",
                         option);
    }
    if ((range.to - range.from) / range.step >= kMostPointsPerAxis) {
        throw UsageError(FormatText("%s gives more than %d points; take a larger STEP", option.c_str(),
                                    kMostPointsPerAxis),
                         option);
    }
    return range;
}

std::vector<double> RangePoints(const MapRange& range) {
    // A TO that the steps miss by a rounding error still counts as reached.
    const double tolerance = range.step * 1e-9;
    std::vector<double> points;
    for (int i = 0;; ++i) {
        const double value = range.from + i * range.step;
        if (value > range.to + tolerance) break;
        points.push_back(std::min(value, range.to));
    }
    return points;
}

const char* MapStatusName(MapStatus status) {
    switch (status) {
        case MapStatus::Ok:
            return "ok";
        case MapStatus::Envelope:
            return "envelope";
        case MapStatus::Flow:
            return "flow";
        case MapStatus::NotAvailable:
            return "not-available";
        case MapStatus::OutsideGrid:
            return "outside-grid";
    }
    return "";
}

namespace {

// The ambients (columns) and leaving waters (rows) of one performance grid.
struct GridAxes {
    std::string table;
    std::vector<double> ambients;
    std::vector<double> leavingWaters;

    bool holds(double ambient, double leavingWater) const {
        return !ambients.empty() && !leavingWaters.empty() && ambient >= ambients.front() &&
               ambient <= ambients.back() && leavingWater >= leavingWaters.front() &&
               leavingWater <= leavingWaters.back();
    }
};

GridAxes ReadGridAxes(PerformanceDatabase& db, const std::string& table) {
    GridAxes axes{table, {}, {}};
    Recordset rows;
    // A missing table shows the engine's message here and raises on the read.
    db.OpenRecordset(rows, FormatText(schema::kGridLwts, table.c_str()));
    if (!rows.IsBOF()) rows.MoveFirst();
    for (; !rows.IsEOF(); rows.MoveNext())
        axes.leavingWaters.push_back(rows.ReadFieldNumber(schema::kGridLwt));
    const auto columns = db.ResultColumns(FormatText(schema::kGridColumns, table.c_str()));
    if (columns == nullptr) {
        throw DatabaseError(database_error_code::kItemNotFound, "The grid " + table + " has no columns.");
    }
    for (const OatColumn& column : columns->oatAxis()) axes.ambients.push_back(column.value);
    std::sort(axes.ambients.begin(), axes.ambients.end());
    std::sort(axes.leavingWaters.begin(), axes.leavingWaters.end());
    return axes;
}

std::vector<GridAxes> ReadGrids(PerformanceDatabase& db, std::initializer_list<const char*> tables) {
    std::vector<GridAxes> grids;
    for (const char* table : tables) grids.push_back(ReadGridAxes(db, table));
    return grids;
}

// Every value of one axis of the grids, ascending, each once.
std::vector<double> AxisUnion(const std::vector<GridAxes>& grids, std::vector<double> GridAxes::*axis) {
    std::set<double> values;
    for (const GridAxes& grid : grids) values.insert((grid.*axis).begin(), (grid.*axis).end());
    return {values.begin(), values.end()};
}

std::string GridExtentText(const GridAxes& grid) {
    return FormatText("Outside the performance grid %s (ambient %g to %g °C, leaving water %g to %g °C)",
                      grid.table.c_str(), grid.ambients.empty() ? 0.0 : grid.ambients.front(),
                      grid.ambients.empty() ? 0.0 : grid.ambients.back(),
                      grid.leavingWaters.empty() ? 0.0 : grid.leavingWaters.front(),
                      grid.leavingWaters.empty() ? 0.0 : grid.leavingWaters.back());
}

std::string Joined(const std::vector<CollectingSink::Message>& messages) {
    std::string text;
    for (const auto& message : messages) text += (text.empty() ? "" : "\n") + message.text;
    return text;
}

// The controls of one circuit the map moves.
struct CircuitControls {
    bool heating;
    int ambient;
    int outlet;
    int inlet;
};
constexpr CircuitControls kCoolingControls{false, kCoolingAmbientEdit, kCoolingOutletEdit, kCoolingInletEdit};
constexpr CircuitControls kHeatingControls{true, kHeatingAmbientEdit, kHeatingOutletEdit, kHeatingInletEdit};

std::string EditText(double value) { return FormatText("%.6g", value); }

class UnitMapper {
public:
    UnitMapper(PerformanceDatabase& db, const MapRequest& request)
        : db_(db), request_(request), launch_(DecodeLaunchText(request.duty.launch.value_or(""))) {}

    MapOutcome run();

private:
    bool dutyAccepted(SelectionPage& page);
    void findUnit(const SelectionConditions& duty);
    std::vector<MapPoint> mapCircuit(const CircuitControls& controls, const std::optional<MapRange>& ambients,
                                     const std::optional<MapRange>& outlets,
                                     const std::vector<GridAxes>& grids);
    // The point `options` make on a copy of `typedPage`, whose inputs so far
    // gave `typedMessages`.
    MapPoint evaluate(const SelectionPage& typedPage, const CollectingSink& typedMessages,
                      const PageOptions& options, bool heating);
    bool validated(SelectionPage& page);
    const GridAxes* gridMissing(const SelectionConditions& conditions) const;
    bool ratiosMissing(const SelectionConditions& conditions, const CorrectionResult& corrections,
                       CollectingSink& messages) const;

    PerformanceDatabase& db_;
    const MapRequest& request_;
    LaunchParameters launch_;
    Series series_ = Series::Qtk;
    SelectionConditions duty_;
    std::string shownName_;
    Recordset unitRow_;
    std::vector<GridAxes> coolingGrids_;
    std::vector<GridAxes> heatingGrids_;
};

MapOutcome UnitMapper::run() {
    MapOutcome outcome;
    CollectingSink dutyMessages;
    SelectionPage dutyPage(launch_, dutyMessages);
    ApplyPageOptions(dutyPage, request_.duty);
    if (!dutyAccepted(dutyPage)) {
        outcome.messages = dutyMessages.messages();
        return outcome;
    }
    duty_ = dutyPage.conditions();
    series_ = SeriesOf(duty_);
    findUnit(duty_);

    const PerformanceDatabase::RunScope oneMap(db_, PerformanceDatabase::GridRows::KeptWhole);
    switch (series_) {
        case Series::Qtk:
            coolingGrids_ = ReadGrids(db_, {schema::kCapacityQtk090, schema::kPowerQtk090,
                                            schema::kCapacityQtk130, schema::kPowerQtk130});
            break;
        case Series::Qhk:
            coolingGrids_ = ReadGrids(db_, {schema::kCapacityQhk, schema::kPowerQhk});
            heatingGrids_ = ReadGrids(db_, {schema::kCapacityQhkHeating, schema::kPowerQhkHeating});
            break;
        case Series::Gv5:
            coolingGrids_ = ReadGrids(db_, {schema::kCapacityQskGv5, schema::kPowerQskGv5});
            break;
    }

    PerformanceMap map{shownName_, series_, duty_, {}, {}};
    map.cooling = mapCircuit(kCoolingControls, request_.ambient, request_.outlet, coolingGrids_);
    if (series_ == Series::Qhk) {
        map.heating =
            mapCircuit(kHeatingControls, request_.heatingAmbient, request_.heatingOutlet, heatingGrids_);
    }
    outcome.map = std::move(map);
    return outcome;
}

// The duty at its own point passes the page's checks, or there is no map.
bool UnitMapper::dutyAccepted(SelectionPage& page) { return page.readControls() && validated(page); }

bool UnitMapper::validated(SelectionPage& page) {
    return page.conditions().compressorType == 0 ? page.ValidateCentrifugalInputs()
                                                 : page.ValidateScrewInputs();
}

void UnitMapper::findUnit(const SelectionConditions& duty) {
    db_.OpenRecordset(unitRow_, BuildSeriesUnitsQuery(duty, series_));
    std::string offered;
    if (!unitRow_.IsBOF()) unitRow_.MoveFirst();
    for (; !unitRow_.IsEOF(); unitRow_.MoveNext()) {
        const UnitRecord unit(unitRow_);
        if (series_ == Series::Gv5 &&
            HiddenByLaunch(launch_.SecondDigit, ParseConnect(unit.connect(), Series::Gv5).first))
            continue;
        const std::string shown = ShownModelName(unit.modelName(), series_, launch_.Brand);
        if (shown == request_.model) {
            shownName_ = shown;
            return;  // the row stays current for the evaluations
        }
        offered += (offered.empty() ? "" : ", ") + shown;
    }
    throw UsageError(FormatText("%s sells no unit %s for this duty's unit type; it sells: %s",
                                launch_.Brand.c_str(), Quoted(request_.model).c_str(), offered.c_str()),
                     "--model");
}

std::vector<MapPoint> UnitMapper::mapCircuit(const CircuitControls& controls,
                                             const std::optional<MapRange>& ambients,
                                             const std::optional<MapRange>& outlets,
                                             const std::vector<GridAxes>& grids) {
    const bool heating = controls.heating;
    const std::vector<double> ambientValues =
        ambients ? RangePoints(*ambients) : AxisUnion(grids, &GridAxes::ambients);
    const std::vector<double> outletValues =
        outlets ? RangePoints(*outlets) : AxisUnion(grids, &GridAxes::leavingWaters);
    // The inlet follows the outlet at the duty's difference; an entered flow
    // stays as it is.
    const bool flowEntered = heating ? duty_.heatingFlowEntered : duty_.coolingFlowEntered;
    const double difference = heating ? static_cast<double>(duty_.heatingInletTemp) - duty_.heatingOutletTemp
                                      : static_cast<double>(duty_.coolingInletTemp) - duty_.coolingOutletTemp;

    // The inputs the page takes before the circuit's ambient are the same at
    // every point: typed once. Each ambient, with what the page takes before
    // the inlet, is typed once on a copy of that page, and each of its points
    // types the rest, the inlet and the outlet among them, on a copy of this.
    const auto [fixed, moving] = SplitPageOptionsAt(request_.duty, controls.ambient);
    const auto [uptoInlet, fromInlet] = SplitPageOptionsAt(moving, controls.inlet);
    CollectingSink fixedMessages;
    SelectionPage fixedPage(launch_, fixedMessages);
    ApplyPageOptions(fixedPage, fixed);

    std::vector<MapPoint> grid(outletValues.size() * ambientValues.size());
    for (std::size_t a = 0; a < ambientValues.size(); ++a) {
        CollectingSink ambientMessages = fixedMessages;
        SelectionPage ambientPage(fixedPage, ambientMessages);
        PageOptions ambientOptions = uptoInlet;
        ambientOptions.values[controls.ambient] = EditText(ambientValues[a]);
        ApplyPageOptions(ambientPage, ambientOptions);
        for (std::size_t o = 0; o < outletValues.size(); ++o) {
            PageOptions options = fromInlet;
            options.values[controls.outlet] = EditText(outletValues[o]);
            if (!flowEntered) options.values[controls.inlet] = EditText(outletValues[o] + difference);
            grid[o * ambientValues.size() + a] = evaluate(ambientPage, ambientMessages, options, heating);
        }
    }

    // Leaving water by leaving water; two range values the page holds alike
    // are one point.
    std::vector<MapPoint> points;
    points.reserve(grid.size());
    std::set<std::pair<float, float>> seen;
    for (MapPoint& point : grid) {
        if (seen.insert({static_cast<float>(point.leavingWater), static_cast<float>(point.ambient)}).second) {
            points.push_back(std::move(point));
        }
    }
    return points;
}

const GridAxes* UnitMapper::gridMissing(const SelectionConditions& conditions) const {
    const double coolingLwt = GridLeavingWater(series_, conditions);
    for (const GridAxes& grid : coolingGrids_) {
        if (!grid.holds(conditions.coolingAmbientTemp, coolingLwt)) return &grid;
    }
    for (const GridAxes& grid : heatingGrids_) {
        if (!grid.holds(conditions.heatingAmbientTemp, conditions.heatingOutletTemp)) return &grid;
    }
    return nullptr;
}

// The checks a run makes of its ratios before it looks at any unit, and the
// grid cells a unit of the map needs beyond them: any ratio of 0 is a cell
// marked not available.
bool UnitMapper::ratiosMissing(const SelectionConditions& c, const CorrectionResult& r,
                               CollectingSink& messages) const {
    const bool qtk = series_ == Series::Qtk;
    const bool usable =
        qtk ? CheckUsableRatios(messages, c.coolingAmbientTemp, c.coolingOutletTemp,
                                {r.capacityRatio, r.powerRatio, r.capacityRatioEven, r.powerRatioEven})
            : CheckUsableRatios(messages, c.coolingAmbientTemp, c.coolingOutletTemp,
                                {r.capacityRatio, r.powerRatio});
    if (!usable) return true;
    if (series_ == Series::Qhk && !CheckUsableRatios(messages, c.heatingAmbientTemp, c.heatingOutletTemp,
                                                     {r.heatCapacityRatio, r.heatPowerRatio}))
        return true;
    if (!CheckCapacityRatio(messages, c, r.capacityRatio)) return true;
    const bool coolingCellMissing =
        r.powerRatio == 0 || (qtk && (r.capacityRatioEven == 0 || r.powerRatioEven == 0));
    const bool heatingCellMissing =
        series_ == Series::Qhk && (r.heatCapacityRatio == 0 || r.heatPowerRatio == 0);
    if (coolingCellMissing || heatingCellMissing) {
        const float ambient = heatingCellMissing ? c.heatingAmbientTemp : c.coolingAmbientTemp;
        const float leavingWater = heatingCellMissing ? c.heatingOutletTemp : c.coolingOutletTemp;
        messages.show(FormatText("No performance data at ambient %.1f °C, leaving water %.2f °C",
                                 static_cast<double>(ambient), static_cast<double>(leavingWater)),
                      kApplicationTitle);
        return true;
    }
    return false;
}

MapPoint UnitMapper::evaluate(const SelectionPage& typedPage, const CollectingSink& typedMessages,
                              const PageOptions& options, bool heating) {
    CollectingSink messages = typedMessages;
    SelectionPage page(typedPage, messages);
    ApplyPageOptions(page, options);
    MapPoint point;
    const bool readable = page.readControls();
    const SelectionConditions& c = page.conditions();
    point.ambient = heating ? c.heatingAmbientTemp : c.coolingAmbientTemp;
    point.leavingWater = heating ? c.heatingOutletTemp : c.coolingOutletTemp;
    auto stopped = [&](MapStatus status, std::string reason) {
        point.status = status;
        point.reason = std::move(reason);
        return point;
    };
    // The page's own limits are the series' operating range as the program
    // states it.
    if (!readable || !validated(page)) return stopped(MapStatus::Envelope, Joined(messages.messages()));
    // The point as validated: a low leaving water may have raised the glycol.
    point.leavingWater = heating ? c.heatingOutletTemp : c.coolingOutletTemp;
    if (const GridAxes* grid = gridMissing(c)) return stopped(MapStatus::OutsideGrid, GridExtentText(*grid));

    CorrectionResult& corrections = page.corrections();
    if (series_ == Series::Qtk) {
        ComputeQtkCorrections(db_, c, corrections);
    } else {
        ComputeScrewCorrections(db_, c, corrections);
    }
    if (ratiosMissing(c, corrections, messages))
        return stopped(MapStatus::NotAvailable, Joined(messages.messages()));

    point.figures = EvaluateUnit(series_, UnitRecord(unitRow_), c, corrections, db_);
    switch (point.figures.rejection) {
        case Rejection::None:
            return point;
        case Rejection::Envelope:
            return stopped(MapStatus::Envelope, EnvelopeMessage(series_, point.figures.envelope));
        case Rejection::Flow:
            return stopped(MapStatus::Flow, FormatText("Water flow is beyond range %g~%g L/s",
                                                       point.figures.permittedFlow.minimum,
                                                       point.figures.permittedFlow.maximum));
        case Rejection::Inconsistent:
            break;
    }
    // The row itself contradicts the module table: no point of it can be
    // trusted.
    throw DatabaseError(database_error_code::kTypeMismatch, shownName_ + ":Model data is inconsistent");
}

}  // namespace

MapOutcome MapUnit(PerformanceDatabase& db, const MapRequest& request) {
    return UnitMapper(db, request).run();
}

}  // namespace keld
