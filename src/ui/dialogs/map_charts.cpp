// SPDX-License-Identifier: MIT
#include "ui/dialogs/map_charts.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <numbers>

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

// Hovering `series` shows the tip of its point nearest the mouse along the
// ambient axis (a line reports where on it the mouse is, not its point).
void ShowTips(QXYSeries* series, std::vector<QString> tips) {
    QObject::connect(
        series, &QXYSeries::hovered, series,
        [series, tips = std::move(tips)](const QPointF& at, bool entered) {
            const QList<QPointF> points = series->points();
            if (!entered || points.isEmpty()) {
                QToolTip::hideText();
                return;
            }
            const auto nearest =
                std::min_element(points.begin(), points.end(), [&at](const QPointF& a, const QPointF& b) {
                    return std::abs(a.x() - at.x()) < std::abs(b.x() - at.x());
                });
            QToolTip::showText(QCursor::pos(), tips[static_cast<std::size_t>(nearest - points.begin())]);
        });
}

// A colour from blue for the coldest leaving water to red for the warmest.
QColor LineColour(std::size_t index, std::size_t count) {
    const double share = count > 1 ? static_cast<double>(index) / static_cast<double>(count - 1) : 0.0;
    return QColor::fromHsvF(static_cast<float>(0.62 * (1.0 - share)), 0.85f, 0.8f);
}

// A step of 1, 2, 2.5 or 5 times a power of ten that divides `span` into at
// most `parts` parts.
double NiceStep(double span, int parts) {
    const double raw = span / parts;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double multiple : {1.0, 2.0, 2.5, 5.0}) {
        if (multiple * magnitude >= raw * (1 - 1e-9)) return multiple * magnitude;
    }
    return 10 * magnitude;
}

// An axis over [low, high] from one whole step to another, labelled with as
// many decimals as its step needs.
void SetNiceRange(QValueAxis& axis, double low, double high, int parts) {
    if (high <= low) high = low + 1;
    const double step = NiceStep(high - low, parts);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setRange(std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step);
    int decimals = 0;
    while (decimals < 3 &&
           std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6) {
        ++decimals;
    }
    axis.setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
}

class ChartBuilder {
public:
    ChartBuilder(const std::vector<MapPoint>& points, const std::optional<MapPoint>& duty, MapCircuit circuit,
                 Figure figure, const std::vector<float>& charted)
        : points_(points), duty_(duty), circuit_(circuit), figure_(figure), charted_(charted) {}

    // The chart, and in `named` its series the legend names, in order.
    QChart* build(std::vector<const QXYSeries*>* named = nullptr) {
        named_ = named;
        chart_ = new QChart;
        chart_->setBackgroundRoundness(0);
        chart_->setMargins(QMargins(4, 4, 8, 4));
        // The charts share one legend beside them (LegendOf).
        chart_->legend()->hide();
        makeAxes();
        addLines();
        addTurnedDown();
        addDuty();
        return chart_;
    }

private:
    bool charted(const MapPoint& point) const {
        return std::find(charted_.begin(), charted_.end(), point.leavingWater) != charted_.end();
    }

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
        bool floorNeeded = false;
        const auto take = [&](const MapPoint& point) {
            const double ambient = point.ambient;
            xMin = anyX ? std::min(xMin, ambient) : ambient;
            xMax = anyX ? std::max(xMax, ambient) : ambient;
            anyX = true;
            const CircuitFigures figures = FiguresOf(point, circuit_);
            if (!HasValue(figures, figure_)) {
                floorNeeded = true;
                return;
            }
            const double value = ValueOf(figures, figure_);
            yMin = anyY ? std::min(yMin, value) : value;
            yMax = anyY ? std::max(yMax, value) : value;
            anyY = true;
        };
        for (const MapPoint& point : points_) {
            if (charted(point)) take(point);
        }
        if (duty_) take(*duty_);
        SetNiceRange(*axisX_, xMin, xMax, 10);
        SetNiceRange(*axisY_, yMin, yMax, 5);
        // The points without a figure lie on a floor one step below the
        // lowest figure.
        const double step = axisY_->tickInterval();
        if (floorNeeded) axisY_->setMin(axisY_->min() - step);
        floor_ = axisY_->min() + step / 4;
        // A little room around the ticks, so that a marker on the first or
        // last tick shows whole.
        for (QValueAxis* axis : {axisX_, axisY_}) {
            const double room = (axis->max() - axis->min()) / 50;
            axis->setRange(axis->min() - room, axis->max() + room);
        }
        chart_->addAxis(axisX_, Qt::AlignBottom);
        chart_->addAxis(axisY_, Qt::AlignLeft);
    }

    void attach(QXYSeries* series, bool named = true) {
        if (named && named_ != nullptr) named_->push_back(series);
        chart_->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }

    Plotted plotted(const MapPoint& point) const {
        const CircuitFigures figures = FiguresOf(point, circuit_);
        return {QPointF(point.ambient, HasValue(figures, figure_) ? ValueOf(figures, figure_) : floor_),
                TipOf(point, circuit_)};
    }

    // One line per charted leaving water, in pieces between the turned-down
    // points; only the first piece is named in the legend, and a piece of a
    // single point shows it as a dot.
    void addLines() {
        std::size_t index = 0;
        for (float water : charted_) {
            const QPen pen(LineColour(index++, charted_.size()), 2);
            QLineSeries* piece = nullptr;
            std::vector<QString> tips;
            bool named = false;
            const auto finish = [&] {
                if (piece == nullptr) return;
                piece->setPointsVisible(piece->count() == 1);
                attach(piece, !named);
                named = true;
                ShowTips(piece, std::exchange(tips, {}));
                piece = nullptr;
            };
            for (const MapPoint& point : points_) {
                if (point.leavingWater != water) continue;
                if (point.status != MapStatus::Ok) {
                    finish();
                    continue;
                }
                if (piece == nullptr) {
                    piece = new QLineSeries;
                    piece->setName(LeavingWaterName(water));
                    piece->setPen(pen);
                }
                const Plotted shown = plotted(point);
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
                if (point.status != look.status || !charted(point)) continue;
                if (series == nullptr) {
                    series = new QScatterSeries;
                    series->setName(StatusCaption(look.status));
                    series->setMarkerShape(look.shape);
                    series->setMarkerSize(8);
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
    const std::vector<float>& charted_;
    QChart* chart_ = nullptr;
    std::vector<const QXYSeries*>* named_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    double floor_ = 0;
};

// The picture of a legend entry: a piece of the line, or the marker.
QPixmap LegendIcon(const QXYSeries* series) {
    constexpr int kWidth = 26;
    constexpr int kHeight = 16;
    QPixmap icon(kWidth, kHeight);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    if (const auto* scatter = qobject_cast<const QScatterSeries*>(series)) {
        const qreal half = std::min(scatter->markerSize(), 14.0) / 2;
        painter.setPen(QPen(scatter->borderColor(), 1));
        painter.setBrush(scatter->color());
        QPolygonF shape;
        switch (scatter->markerShape()) {
            case QScatterSeries::MarkerShapeRotatedRectangle:
                shape << QPointF(0, -half) << QPointF(half, 0) << QPointF(0, half) << QPointF(-half, 0);
                break;
            case QScatterSeries::MarkerShapeTriangle:
                shape << QPointF(0, -half) << QPointF(half, half) << QPointF(-half, half);
                break;
            case QScatterSeries::MarkerShapeStar:
                for (int i = 0; i < 10; ++i) {
                    const qreal radius = i % 2 == 0 ? half : half * 0.45;
                    const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                    shape << QPointF(radius * std::cos(angle), radius * std::sin(angle));
                }
                break;
            default:
                shape << QPointF(-half, -half) << QPointF(half, -half) << QPointF(half, half)
                      << QPointF(-half, half);
                break;
        }
        painter.drawPolygon(shape.translated(centre));
    } else {
        painter.setPen(series->pen());
        painter.drawLine(QPointF(2, centre.y()), QPointF(kWidth - 2, centre.y()));
    }
    return icon;
}

// The series named in the legend as a column of pictures and names, for both
// charts of a circuit at once.
QWidget* LegendOf(const std::vector<const QXYSeries*>& named, QWidget* parent) {
    auto* legend = new QWidget(parent);
    auto* rows = new QGridLayout(legend);
    rows->setContentsMargins(4, 8, 8, 8);
    rows->setVerticalSpacing(2);
    int row = 0;
    for (const QXYSeries* series : named) {
        auto* icon = new QLabel(legend);
        icon->setPixmap(LegendIcon(series));
        auto* name = new QLabel(series->name(), legend);
        rows->addWidget(icon, row, 0);
        rows->addWidget(name, row, 1);
        ++row;
    }
    rows->setRowStretch(row, 1);
    return legend;
}

QChartView* ViewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 160);
    return view;
}

}  // namespace

std::vector<float> ChartedLeavingWaters(const std::vector<MapPoint>& points,
                                        const std::optional<float>& dutyWater) {
    std::vector<float> waters;
    for (const MapPoint& point : points) waters.push_back(point.leavingWater);
    std::sort(waters.begin(), waters.end());
    waters.erase(std::unique(waters.begin(), waters.end()), waters.end());
    if (waters.size() <= kMostChartedLines) return waters;
    const auto onStep = [](float water, double step) {
        const double steps = water / step;
        return std::abs(steps - std::round(steps)) < 1e-6;
    };
    std::vector<float> charted;
    for (double step : {2.0, 5.0, 10.0, 20.0, 50.0}) {
        charted.clear();
        std::size_t onSteps = 0;
        for (float water : waters) {
            const bool round = onStep(water, step);
            onSteps += round ? 1 : 0;
            if (round || (dutyWater && water == *dutyWater)) charted.push_back(water);
        }
        if (onSteps <= kMostChartedLines && onSteps >= 2) return charted;
    }
    // Waters on no round step: every n-th from the coldest, and the duty's.
    charted.clear();
    const std::size_t every = (waters.size() + kMostChartedLines - 1) / kMostChartedLines;
    for (std::size_t i = 0; i < waters.size(); ++i) {
        if (i % every == 0 || (dutyWater && waters[i] == *dutyWater)) charted.push_back(waters[i]);
    }
    return charted;
}

MapCharts::MapCharts(const std::vector<MapPoint>& points, const std::optional<MapPoint>& duty,
                     MapCircuit circuit, QWidget* parent)
    : QWidget(parent),
      charted_(ChartedLeavingWaters(points, duty ? std::optional<float>(duty->leavingWater) : std::nullopt)),
      capacityChart_(ChartBuilder(points, duty, circuit, Figure::Capacity, charted_).build(&named_)),
      efficiencyChart_(ChartBuilder(points, duty, circuit, Figure::Efficiency, charted_).build()) {
    capacityView_ = ViewOf(capacityChart_, this);
    efficiencyView_ = ViewOf(efficiencyChart_, this);
    legend_ = LegendOf(named_, this);
    auto* charts = new QVBoxLayout;
    charts->setSpacing(0);
    charts->addWidget(capacityView_, 1);
    charts->addWidget(efficiencyView_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(charts, 1);
    layout->addWidget(legend_);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    for (QChart* chart : {capacityChart_, efficiencyChart_}) {
        connect(chart, &QChart::plotAreaChanged, this, &MapCharts::alignLeftEdges);
    }
}

// The axes' labels differ in width ("1250" against "3.5"): the chart whose
// plot starts further left gets the difference as its left margin, so that
// one ambient lies at the same x in both.
void MapCharts::alignLeftEdges() {
    const qreal capacityLeft = capacityChart_->plotArea().left() - capacityExtra_;
    const qreal efficiencyLeft = efficiencyChart_->plotArea().left() - efficiencyExtra_;
    const qreal left = std::max(capacityLeft, efficiencyLeft);
    const auto shift = [](QChart* chart, int& extra, int wanted) {
        if (extra == wanted) return;
        QMargins margins = chart->margins();
        margins.setLeft(margins.left() - extra + wanted);
        extra = wanted;
        chart->setMargins(margins);
    };
    shift(capacityChart_, capacityExtra_, qRound(left - capacityLeft));
    shift(efficiencyChart_, efficiencyExtra_, qRound(left - efficiencyLeft));
}

void MapCharts::render(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    for (const QChartView* view : {capacityView_, efficiencyView_}) {
        const QRectF target(view->geometry());
        view->scene()->render(&painter, target, view->sceneRect());
    }
    legend_->render(&painter, legend_->pos(), QRegion(), QWidget::DrawChildren);
}

}  // namespace keld::ui
