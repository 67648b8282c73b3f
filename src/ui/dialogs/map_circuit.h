// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "session/performance_map.h"

namespace keld::ui {

// The circuit a map shows: the chilled water of every unit, or the hot water
// of a heat pump (against the heating ambient).
enum class MapCircuit { Cooling, Heating };

// A point's figures on one circuit. The evaluation of a point stops where it
// is turned down: capacity and power exist from the envelope check on, the
// water flow and inlet from the flow check on, the pressure drop only for a
// unit that runs.
struct CircuitFigures {
    bool dutyKnown = false;   // capacity, power and efficiency
    bool waterKnown = false;  // flow and inlet temperature
    double capacity = 0;      // kW
    double power = 0;         // kW
    double efficiency = 0;    // EER or COP
    double flow = 0;          // L/s
    double inletTemp = 0;     // °C
};
CircuitFigures FiguresOf(const MapPoint& point, MapCircuit circuit);

// The points of a circuit in the map.
const std::vector<MapPoint>& PointsOf(const PerformanceMap& map, MapCircuit circuit);

// How the charts and the table name a status: "Outside envelope", "Flow out
// of range", "Not available", "Outside grid"; "OK" for a unit that runs.
QString StatusCaption(MapStatus status);

// The circuit's words: the efficiency ("EER", "COP"), the ambient axis and
// the leaving water of a line.
QString EfficiencyName(MapCircuit circuit);
QString AmbientCaption(MapCircuit circuit);
QString LeavingWaterCaption(MapCircuit circuit);

// A temperature as the map's axes give it: "%.6g", as the map's file writes it.
QString TemperatureText(double value);

}  // namespace keld::ui
