// SPDX-License-Identifier: MIT
#include "session/performance_map_json.h"

namespace keld {
namespace {

Json PointJson(const std::string& model, const MapPoint& point, bool heating) {
    const UnitPerformance& f = point.figures;
    const bool hasFigures = point.status == MapStatus::Ok || point.status == MapStatus::Envelope ||
                            point.status == MapStatus::Flow;
    const double efficiency = heating ? EfficiencyRatio(f.heatingCapacity, f.heatingPower)
                                      : EfficiencyRatio(f.coolingCapacity, f.coolingPower);
    return Json{
        {"ambient_C", JsonNumber(point.ambient)},
        {"leavingWater_C", JsonNumber(point.leavingWater)},
        {"status", MapStatusName(point.status)},
        {"reason", point.reason.empty() ? Json(nullptr) : Json(point.reason)},
        {"efficiency", hasFigures ? JsonNumber(efficiency) : Json(nullptr)},
        {"figures", hasFigures ? FiguresJson(model, f) : Json(nullptr)},
    };
}

Json PointsJson(const PerformanceMap& map, const std::vector<MapPoint>& points, bool heating) {
    Json list = Json::array();
    for (const MapPoint& point : points) list.push_back(PointJson(map.model, point, heating));
    return list;
}

}  // namespace

const char* SeriesName(Series series) {
    switch (series) {
        case Series::Qtk:
            return "QTK";
        case Series::Qhk:
            return "QHK";
        case Series::Gv5:
            return "GV5";
    }
    return "";
}

Json MapJson(const PerformanceMap& map) {
    Json document{
        {"model", map.model},
        {"series", SeriesName(map.series)},
        {"conditions", ConditionsJson(map.duty)},
        {"cooling", PointsJson(map, map.cooling, false)},
    };
    if (map.series == Series::Qhk) document["heating"] = PointsJson(map, map.heating, true);
    return document;
}

}  // namespace keld
