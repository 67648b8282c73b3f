// SPDX-License-Identifier: MIT
#include "ui/dialogs/map_charts.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <map>
#include <memory>

#include "base/format_text.h"
#include "selection/run_steps.h"
#include "ui/dialog_units.h"

namespace keld::ui {
namespace {

enum class Figure { Capacity, Efficiency };

// Where a point is drawn and what hovering it tells.
struct Plotted {
    QPointF at;
    QString tip;
};

struct StatusLook {
    MapStatus status;
    QScatterSeries::MarkerShape shape;
    QColor colour;
};

// The turned-down points, in the legend's order: the reasons a duty is
// refused first, then the grid's gaps.
constexpr StatusLook kStatusLooks[] = {
    {MapStatus::Envelope, QScatterSeries::MarkerShapeRotatedRectangle, QColor(214, 39, 40)},
    {MapStatus::Flow, QScatterSeries::MarkerShapeTriangle, QColor(255, 127, 14)},
    {MapStatus::NotAvailable, QScatterSeries::MarkerShapeRectangle, QColor(127, 127, 127)},
    {MapStatus::OutsideGrid, QScatterSeries::MarkerShapeRectangle, QColor(199, 199, 199)},
};

QString FourDigits(double value) { return QString::fromStdString(FourDigitText(value)); }

double ValueOf(const CircuitFigures& figures, Figure figure) {
    return figure == Figure::Capacity ? figures.capacity : figures.efficiency;
}

bool HasValue(const CircuitFigures& figures, Figure figure) {
    return figures.dutyKnown && ValueOf(figures, figure) > 0;
}

QString TipOf(const MapPoint& point, MapCircuit circuit) {
    const CircuitFigures figures = FiguresOf(point, circuit);
    QString tip = AmbientCaption(circuit).replace(QStringLiteral(" °C"), QString()) + QLatin1Char(' ') +
                  TemperatureText(point.ambient) + QStringLiteral(" °C, ") +
                  LeavingWaterCaption(circuit).replace(QStringLiteral(" °C"), QString()).toLower() +
                  QLatin1Char(' ') + TemperatureText(point.leavingWater) + QStringLiteral(" °C");
    if (figures.dutyKnown) {
        tip += QStringLiteral("\n%1 kW, power %2 kW, %3 %4")
                   .arg(FourDigits(figures.capacity), FourDigits(figures.power), EfficiencyName(circuit),
                        FourDigits(figures.efficiency));
    }
    if (point.status != MapStatus::Ok) {
        tip += QLatin1Char('\n') + StatusCaption(point.status);
        if (!point.reason.empty()) tip += QStringLiteral(": ") + QString::fromStdString(point.reason);
    }
    return tip;
}

// Hovering a point of `series` shows the tip of that point.
void ShowTips(QXYSeries* series, std::vector<QString> tips) {
    QObject::connect(series, &QXYSeries::hovered, series,
                     [series, tips = std::move(tips)](const QPointF& point, bool entered) {
                         if (!entered) {
                             QToolTip::hideText();
                             return;
                         }
                         const QList<QPointF> points = series->points();
                         const auto found = std::find(points.begin(), points.end(), point);
                         if (found == points.end()) return;
                         QToolTip::showText(QCursor::pos(),
                                            tips[static_cast<std::size_t>(found - points.begin())]);
                     });
}

// A colour from blue for the coldest leaving water to red for the warmest.
QColor LineColour(std::size_t index, std::size_t count) {
    const double share = count > 1 ? static_cast<double>(index) / static_cast<double>(count - 1) : 0.0;
    return QColor::fromHsvF(static_cast<float>(0.62 * (1.0 - share)), 0.85f, 0.8f);
}

class ChartBuilder {
public:
    ChartBuilder(const std::vector<MapPoint>& points, const std::optional<MapPoint>& duty, MapCircuit circuit,
                 Figure figure)
        : points_(points), duty_(duty), circuit_(circuit), figure_(figure) {}

    QChart* build() {
        chart_ = new QChart;
        chart_->setBackgroundRoundness(0);
        chart_->setMargins(QMargins(4, 4, 4, 4));
        chart_->legend()->setAlignment(Qt::AlignRight);
        chart_->legend()->setFont(dialogFont());
        makeAxes();
        addLines();
        addTurnedDown();
        addDuty();
        return chart_;
    }

private:
    void makeAxes() {
        axisX_ = new QValueAxis;
        axisX_->setTitleText(AmbientCaption(circuit_));
        axisY_ = new QValueAxis;
        axisY_->setTitleText(figure_ == Figure::Capacity ? QStringLiteral("Capacity kW")
                                                         : EfficiencyName(circuit_));
        for (QValueAxis* axis : {axisX_, axisY_}) {
            axis->setLabelsFont(dialogFont());
            axis->setTitleFont(dialogFont());
        }
        double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
        bool anyX = false, anyY = false;
        floorNeeded_ = false;
        const auto take = [&](const MapPoint& point) {
            xMin = anyX ? std::min(xMin, point.ambient) : point.ambient;
            xMax = anyX ? std::max(xMax, point.ambient) : point.ambient;
            anyX = true;
            const CircuitFigures figures = FiguresOf(point, circuit_);
            if (!HasValue(figures, figure_)) {
                floorNeeded_ = true;
                return;
            }
            const double value = ValueOf(figures, figure_);
            yMin = anyY ? std::min(yMin, value) : value;
            yMax = anyY ? std::max(yMax, value) : value;
            anyY = true;
        };
        for (const MapPoint& point : points_) take(point);
        if (duty_) take(*duty_);
        if (xMax <= xMin) xMax = xMin + 1;
        if (yMax <= yMin) yMax = yMin + 1;
        axisX_->setRange(xMin, xMax);
        axisX_->applyNiceNumbers();
        axisY_->setRange(yMin, yMax);
        axisY_->applyNiceNumbers();
        // The points without a figure lie one step below the lowest figure.
        const double step = (axisY_->max() - axisY_->min()) / std::max(1, axisY_->tickCount() - 1);
        if (floorNeeded_) axisY_->setMin(axisY_->min() - step);
        floor_ = axisY_->min() + step / 4;
        chart_->addAxis(axisX_, Qt::AlignBottom);
        chart_->addAxis(axisY_, Qt::AlignLeft);
    }

    void attach(QXYSeries* series) {
        chart_->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }

    Plotted plotted(const MapPoint& point) const {
        const CircuitFigures figures = FiguresOf(point, circuit_);
        return {QPointF(point.ambient, HasValue(figures, figure_) ? ValueOf(figures, figure_) : floor_),
                TipOf(point, circuit_)};
    }

    // One line per leaving water, in pieces between the turned-down points;
    // only the first piece is named in the legend.
    void addLines() {
        std::map<double, std::vector<const MapPoint*>> byWater;
        for (const MapPoint& point : points_) byWater[point.leavingWater].push_back(&point);
        std::size_t index = 0;
        for (const auto& [water, line] : byWater) {
            QPen pen(LineColour(index++, byWater.size()), 2);
            QLineSeries* piece = nullptr;
            std::vector<QString> tips;
            bool named = false;
            const auto finish = [&] {
                if (piece == nullptr) return;
                attach(piece);
                if (named) {
                    for (QLegendMarker* marker : chart_->legend()->markers(piece)) marker->setVisible(false);
                }
                named = true;
                ShowTips(piece, std::exchange(tips, {}));
                piece = nullptr;
            };
            for (const MapPoint* point : line) {
                if (point->status != MapStatus::Ok) {
                    finish();
                    continue;
                }
                if (piece == nullptr) {
                    piece = new QLineSeries;
                    piece->setName(LeavingWaterName(water));
                    piece->setPen(pen);
                    piece->setPointsVisible(true);
                }
                const Plotted shown = plotted(*point);
                piece->append(shown.at);
                tips.push_back(shown.tip);
            }
            finish();
        }
    }

    QString LeavingWaterName(double water) const {
        return (circuit_ == MapCircuit::Heating ? QStringLiteral("Outlet ") : QStringLiteral("LWT ")) +
               TemperatureText(water) + QStringLiteral(" °C");
    }

    void addTurnedDown() {
        for (const StatusLook& look : kStatusLooks) {
            std::vector<QString> tips;
            QScatterSeries* series = nullptr;
            for (const MapPoint& point : points_) {
                if (point.status != look.status) continue;
                if (series == nullptr) {
                    series = new QScatterSeries;
                    series->setName(StatusCaption(look.status));
                    series->setMarkerShape(look.shape);
                    series->setMarkerSize(9);
                    series->setColor(look.colour);
                    series->setBorderColor(look.colour.darker(140));
                }
                const Plotted shown = plotted(point);
                series->append(shown.at);
                tips.push_back(shown.tip);
            }
            if (series == nullptr) continue;
            attach(series);
            ShowTips(series, std::move(tips));
        }
    }

    void addDuty() {
        if (!duty_) return;
        auto* series = new QScatterSeries;
        series->setName(QStringLiteral("Duty point"));
        series->setMarkerShape(QScatterSeries::MarkerShapeStar);
        series->setMarkerSize(16);
        series->setColor(Qt::black);
        series->setBorderColor(Qt::black);
        const Plotted shown = plotted(*duty_);
        series->append(shown.at);
        attach(series);
        ShowTips(series, {shown.tip});
    }

    const std::vector<MapPoint>& points_;
    const std::optional<MapPoint>& duty_;
    MapCircuit circuit_;
    Figure figure_;
    QChart* chart_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    bool floorNeeded_ = false;
    double floor_ = 0;
};

QChartView* ViewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 160);
    return view;
}

}  // namespace

MapCharts::MapCharts(const std::vector<MapPoint>& points, const std::optional<MapPoint>& duty,
                     MapCircuit circuit, QWidget* parent)
    : QWidget(parent),
      capacityChart_(ChartBuilder(points, duty, circuit, Figure::Capacity).build()),
      efficiencyChart_(ChartBuilder(points, duty, circuit, Figure::Efficiency).build()) {
    capacityView_ = ViewOf(capacityChart_, this);
    efficiencyView_ = ViewOf(efficiencyChart_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(capacityView_, 1);
    layout->addWidget(efficiencyView_, 1);
}

void MapCharts::render(QPainter& painter) const {
    for (const QChartView* view : {capacityView_, efficiencyView_}) {
        const QRectF target(view->geometry());
        view->scene()->render(&painter, target, view->sceneRect());
    }
}

}  // namespace keld::ui
