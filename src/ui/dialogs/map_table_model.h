// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "ui/dialogs/map_circuit.h"

namespace keld::ui {

// The points of one circuit of a map as a table, in the map's order (leaving
// water, then ambient): the temperatures, capacity, power, efficiency, water
// flow, inlet temperature, the pressure drop (chilled water only), the status
// and why. The figures read as the result list shows them and as the map's
// file writes them: four significant digits, inlets with two decimals; a
// figure the evaluation did not reach stays empty.
class MapTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    MapTableModel(const PerformanceMap& map, MapCircuit circuit, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headings_;
    std::vector<QStringList> rows_;
    int firstTextColumn_ = 0;  // the status and the reason, left-aligned
};

}  // namespace keld::ui
