// SPDX-License-Identifier: MIT
#include "session/performance_map_json.h"

namespace keld {
namespace {

// What a point's evaluation did not come to is null, as its CSV cell is
// empty: the envelope stops it before the water side, the flow before the
// pressure drop and the rating.
Json PointFigures(const std::string& model, const MapPoint& point) {
    Json figures = FiguresJson(model, point.figures);
    if (point.status == MapStatus::Envelope) {
        for (const char* key : {"waterFlow_Ls", "inletTemp_C", "heatingWaterFlow_Ls", "heatingInletTemp_C",
                                "permittedFlowMin_Ls", "permittedFlowMax_Ls"}) {
            if (figures.contains(key)) figures[key] = nullptr;
        }
    }
    if (point.status != MapStatus::Ok) {
        for (const char* key : {"ratedCapacity_kW", "ratedPower_kW", "pressureDrop_kPa"})
            figures[key] = nullptr;
    }
    return figures;
}

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
        {"figures", hasFigures ? PointFigures(model, point) : Json(nullptr)},
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
