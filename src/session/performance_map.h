// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/selection_conditions.h"
#include "engine/unit_performance.h"
#include "session/collecting_sink.h"
#include "session/page_options.h"

namespace keld {

class PerformanceDatabase;

// One axis of a map as the user gives it, "FROM:TO:STEP" in °C: FROM, then
// every STEP up to TO, TO included when the steps reach it.
struct MapRange {
    double from = 0;
    double to = 0;
    double step = 0;
};

// Reads "FROM:TO:STEP" for `option` ("--ambient"). Raises UsageError naming
// the option when the text is not three numbers, the step is not above 0,
// the range is reversed (TO below FROM) or would give more than
// kMostPointsPerAxis points.
MapRange ParseMapRange(const std::string& option, const std::string& text);
inline constexpr int kMostPointsPerAxis = 200;

// The temperatures of a range, from FROM on, each computed from FROM (no
// drift from adding steps up).
std::vector<double> RangePoints(const MapRange& range);

// What became of a unit at one point of the map.
enum class MapStatus {
    Ok,            // the unit runs there: select lists it at these conditions
    Envelope,      // outside the operating envelope (or the page's limits)
    Flow,          // the water flow leaves the unit's permitted range
    NotAvailable,  // a grid cell the point needs is marked not available
    OutsideGrid,   // the point lies beyond the unit's grid: no extrapolation
};

// "ok", "envelope", "flow", "not-available", "outside-grid".
const char* MapStatusName(MapStatus status);

struct MapPoint {
    float ambient = 0;       // °C, as the page holds it
    float leavingWater = 0;  // °C, as the page holds it
    MapStatus status = MapStatus::Ok;
    // Why a point is not ok, in the program's own words (the envelope or
    // input-check message, the permitted flow range); empty when ok.
    std::string reason;
    // The engine's figures for the point; for Ok, Envelope and Flow as far as
    // the evaluation came (see UnitPerformance), else all 0.
    UnitPerformance figures;
};

// A unit's performance across ambient and leaving water at one duty.
struct PerformanceMap {
    std::string model;  // as select names it for the launch text's brand
    Series series = Series::Qtk;
    SelectionConditions duty;  // the duty's own conditions, as the page holds them
    // Cooling: one point per leaving water (ascending) and ambient
    // (ascending), leaving water the outer loop.
    std::vector<MapPoint> cooling;
    // Heat pumps: heating ambient against hot-water outlet, the cooling side
    // at the duty; the same order. Empty for chillers.
    std::vector<MapPoint> heating;
};

// What to map: the duty as select takes it (launch text and page options),
// the unit by the name select shows, and the axes. An axis left out takes
// the values of the unit's own grid (its ambient columns, its leaving-water
// rows).
struct MapRequest {
    PageOptions duty;
    std::string model;
    std::optional<MapRange> ambient;
    std::optional<MapRange> outlet;
    std::optional<MapRange> heatingAmbient;
    std::optional<MapRange> heatingOutlet;
};

// The outcome of a map request: the map, or, when the duty itself is
// refused (an input check at the duty's own point), no map and the page's
// messages.
struct MapOutcome {
    std::optional<PerformanceMap> map;
    std::vector<CollectingSink::Message> messages;
};

// Evaluates the unit at every point, each point exactly as select would
// evaluate it with the duty's options and that point's ambient and leaving
// water (a leaving water moves the inlet by the duty's temperature
// difference unless the duty's flow is entered). Raises UsageError for a
// model the launch text's brand does not sell, or options the page refuses;
// a database failure raises DatabaseError after the database's sink has
// shown it. `db` must be open.
MapOutcome MapUnit(PerformanceDatabase& db, const MapRequest& request);

}  // namespace keld
