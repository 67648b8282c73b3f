// SPDX-License-Identifier: MIT
#include "ui/dialogs/map_table_model.h"

#include "session/performance_map_csv.h"

namespace keld::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QStringList Cells(const PerformanceMap& map, const MapPoint& point, MapCircuit circuit) {
    const MapPointCells figures = CellsOfPoint(map.series, point, circuit == MapCircuit::Heating);
    QStringList cells{TemperatureText(point.ambient),
                      TemperatureText(point.leavingWater),
                      Text(figures.capacity),
                      Text(figures.power),
                      Text(figures.efficiency),
                      Text(figures.flow),
                      Text(figures.inlet)};
    if (circuit == MapCircuit::Cooling) cells << Text(figures.pressureDrop);
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
