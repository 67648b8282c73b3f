// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "ui/dialogs/map_circuit.h"

class QChart;
class QXYSeries;
class QChartView;
class QPainter;

namespace keld::ui {

// The leaving waters a chart draws a line for, coldest first: every one of
// the map, or, when there are more than kMostChartedLines, those on the
// finest round step (2, 5, 10, 20, 50 K) that leaves no more than that and
// at least two, and the duty's own besides; failing that, every n-th from
// the coldest. The table keeps every point.
inline constexpr std::size_t kMostChartedLines = 7;
std::vector<float> ChartedLeavingWaters(const std::vector<MapPoint>& points,
                                        const std::optional<float>& dutyWater);

// One circuit of a map as two charts, one above the other on the same
// ambient axis: the capacity, and below it the efficiency (EER or COP), with
// one legend beside both. Each charted leaving water is a line in its own
// colour, from cold (blue) to warm (red).
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
    // The leaving waters drawn as lines, coldest first.
    const std::vector<float>& chartedLeavingWaters() const { return charted_; }

private:
    void alignLeftEdges();

    std::vector<float> charted_;
    std::vector<const QXYSeries*> named_;  // the legend's series
    QChartView* capacityView_;
    QChartView* efficiencyView_;
    QChart* capacityChart_;
    QChart* efficiencyChart_;
    QWidget* legend_ = nullptr;
    int capacityExtra_ = 0;  // left margin added to line the plots up, pixels
    int efficiencyExtra_ = 0;
};

}  // namespace keld::ui
