// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "ui/dialogs/map_circuit.h"

class QChart;
class QChartView;
class QPainter;

namespace keld::ui {

// One circuit of a map as two charts, one above the other on the same
// ambient axis: the capacity, and below it the efficiency (EER or COP). Each
// leaving water is a line in its own colour, from cold (blue) to warm (red).
// A line runs only through the points where the unit runs: it breaks at a
// point the unit is turned down at, and such points are drawn apart, one
// series of markers per reason ("Outside envelope", "Flow out of range", "Not
// available", "Outside grid"), each named in the legend. A point without a
// figure (not available, outside the grid) sits on the chart's floor, below
// the lowest figure. The duty's own point, when given, is a black star.
// Hovering a point tells its figures.
class MapCharts : public QWidget {
    Q_OBJECT
public:
    // `points` as a map holds them; `duty` the unit at the duty itself.
    MapCharts(const std::vector<MapPoint>& points, const std::optional<MapPoint>& duty, MapCircuit circuit,
              QWidget* parent = nullptr);

    QChart* capacityChart() const { return capacityChart_; }
    QChart* efficiencyChart() const { return efficiencyChart_; }

    // Draws both charts as the widget shows them, the capacity above, into
    // `painter`, whose device is at least as large as the widget (a picture,
    // an SVG drawing).
    void render(QPainter& painter) const;

private:
    QChartView* capacityView_;
    QChartView* efficiencyView_;
    QChart* capacityChart_;
    QChart* efficiencyChart_;
};

}  // namespace keld::ui
