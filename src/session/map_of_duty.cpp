// SPDX-License-Identifier: MIT
#include "session/map_of_duty.h"

#include <algorithm>

#include "base/message_sink.h"

namespace keld {
namespace {

// A range of one temperature: the duty's own point of an axis.
MapRange AtPoint(float temperature) { return {temperature, temperature, 1.0}; }

std::optional<MapPoint> PointAt(const std::vector<MapPoint>& points, float ambient, float leavingWater) {
    const auto found = std::find_if(points.begin(), points.end(), [&](const MapPoint& point) {
        return point.ambient == ambient && point.leavingWater == leavingWater;
    });
    if (found == points.end()) return std::nullopt;
    return *found;
}

bool Shown(const MapOutcome& outcome, MessageSink& messages) {
    for (const CollectingSink::Message& message : outcome.messages)
        messages.show(message.text, message.caption);
    return outcome.map.has_value();
}

}  // namespace

std::optional<MapOfDuty> MapAtDuty(PerformanceDatabase& db, MessageSink& messages, const PageOptions& duty,
                                   const std::string& model) {
    MapOutcome grid = MapUnit(db, MapRequest{duty, model, {}, {}, {}, {}});
    if (!Shown(grid, messages)) return std::nullopt;
    MapOfDuty content{std::move(*grid.map), {}, {}};
    const SelectionConditions& at = content.map.duty;
    content.coolingDuty = PointAt(content.map.cooling, at.coolingAmbientTemp, at.coolingOutletTemp);
    const bool heatPump = !content.map.heating.empty();
    if (heatPump)
        content.heatingDuty = PointAt(content.map.heating, at.heatingAmbientTemp, at.heatingOutletTemp);
    if (content.coolingDuty && (content.heatingDuty || !heatPump)) return content;

    const MapOutcome point =
        MapUnit(db, MapRequest{duty, model, AtPoint(at.coolingAmbientTemp), AtPoint(at.coolingOutletTemp),
                               AtPoint(at.heatingAmbientTemp), AtPoint(at.heatingOutletTemp)});
    if (!Shown(point, messages)) return std::nullopt;
    if (point.map->cooling.size() == 1) content.coolingDuty = point.map->cooling.front();
    if (point.map->heating.size() == 1) content.heatingDuty = point.map->heating.front();
    return content;
}

}  // namespace keld
