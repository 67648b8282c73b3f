// SPDX-License-Identifier: MIT
#include "session/map_energy_model.h"

#include <vector>

#include "base/format_text.h"
#include "db/performance_database.h"
#include "db/schema.h"

namespace keld {
namespace {

// The unit at the rating point with the duty's other conditions: what the
// curves are normalised to.
MapPoint RatingPoint(PerformanceDatabase& db, const MapRequest& request) {
    MapRequest rating{request.duty, request.model, {}, {}, std::nullopt, std::nullopt};
    rating.ambient = MapRange{kReferenceAmbient, kReferenceAmbient, 1};
    rating.outlet = MapRange{kReferenceLeavingWater, kReferenceLeavingWater, 1};
    MapOutcome outcome = MapUnit(db, rating);
    if (!outcome.map || outcome.map->cooling.empty()) {
        throw EnergyModelError("The duty gives no rating point for " + request.model);
    }
    const MapPoint& point = outcome.map->cooling.front();
    if (point.status != MapStatus::Ok) {
        throw EnergyModelError(request.model +
                               " does not run at 35 °C ambient and 7 °C leaving water with this duty (" +
                               std::string(MapStatusName(point.status)) + "): no reference for the curves");
    }
    return point;
}

std::string SqlText(const std::string& text) {
    std::string quoted;
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted;
}

std::vector<PartLoadSample> PartLoadSamples(PerformanceDatabase& db, const std::string& storedName,
                                            int standard) {
    const char* format = standard == 0 ? schema::kPartLoadAhriByModel : schema::kPartLoadGbByModel;
    Recordset rows;
    db.OpenRecordset(rows, FormatText(format, SqlText(storedName).c_str()));
    std::vector<PartLoadSample> samples;
    if (!rows.IsBOF()) rows.MoveFirst();
    for (; !rows.IsEOF(); rows.MoveNext()) {
        samples.push_back(
            {rows.ReadFieldDouble(schema::kPartLoadLoad), rows.ReadFieldDouble(schema::kPartLoadCapacity),
             rows.ReadFieldDouble(schema::kPartLoadPower), rows.ReadFieldDouble(schema::kPartLoadLwt),
             rows.ReadFieldDouble(schema::kPartLoadOat)});
    }
    return samples;
}

}  // namespace

EirChillerModel MapEnergyModel(PerformanceDatabase& db, const MapRequest& request,
                               const PerformanceMap& map) {
    const MapPoint rating = RatingPoint(db, request);
    std::vector<CurveSample> samples;
    for (const MapPoint& point : map.cooling) {
        if (point.status != MapStatus::Ok) continue;
        samples.push_back(
            {point.leavingWater, point.ambient, point.figures.coolingCapacity, point.figures.coolingPower});
    }
    const double capacity = rating.figures.coolingCapacity;
    return FitEirChiller(map.model, capacity, EfficiencyRatio(capacity, rating.figures.coolingPower), samples,
                         PartLoadSamples(db, rating.figures.storedName, map.duty.partLoadStandard));
}

}  // namespace keld
