// SPDX-License-Identifier: MIT
#include "ui/dialogs/map_table_model.h"

#include "base/format_text.h"
#include "selection/pressure_drop_text.h"
#include "selection/run_steps.h"

namespace keld::ui {
namespace {

QString FourDigits(double value) { return QString::fromStdString(FourDigitText(value)); }

QStringList Cells(const PerformanceMap& map, const MapPoint& point, MapCircuit circuit) {
    const CircuitFigures figures = FiguresOf(point, circuit);
    QStringList cells{TemperatureText(point.ambient), TemperatureText(point.leavingWater)};
    if (figures.dutyKnown) {
        cells << FourDigits(figures.capacity) << FourDigits(figures.power) << FourDigits(figures.efficiency);
    } else {
        cells << QString() << QString() << QString();
    }
    if (figures.waterKnown) {
        cells << FourDigits(figures.flow) << QString::fromStdString(FormatText("%.2f", figures.inletTemp));
    } else {
        cells << QString() << QString();
    }
    if (circuit == MapCircuit::Cooling) {
        cells << (point.status == MapStatus::Ok
                      ? QString::fromStdString(PressureDropCell(map.series, point.figures.pressureDrops))
                      : QString());
    }
    cells << StatusCaption(point.status) << QString::fromStdString(point.reason);
    return cells;
}

}  // namespace

MapTableModel::MapTableModel(const PerformanceMap& map, MapCircuit circuit, QObject* parent)
    : QAbstractTableModel(parent) {
    headings_ =
        QStringList{AmbientCaption(circuit),    LeavingWaterCaption(circuit), QStringLiteral("Capacity kW"),
                    QStringLiteral("Power kW"), EfficiencyName(circuit),      QStringLiteral("Flow L/s"),
                    QStringLiteral("Inlet °C")};
    if (circuit == MapCircuit::Cooling) headings_ << QStringLiteral("Pressure drop kPa");
    firstTextColumn_ = static_cast<int>(headings_.size());
    headings_ << QStringLiteral("Status") << QStringLiteral("Reason");
    for (const MapPoint& point : PointsOf(map, circuit)) rows_.push_back(Cells(map, point, circuit));
}

int MapTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MapTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant MapTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return rows_[static_cast<std::size_t>(index.row())][index.column()];
        case Qt::TextAlignmentRole:
            return index.column() < firstTextColumn_ ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant MapTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return headings_[section];
}

}  // namespace keld::ui
