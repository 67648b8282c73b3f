// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include "selection/observer_list.h"
#include "selection/result_table.h"

namespace keld::ui {

// The core's result table as the list view sees it: 22 centred columns, the
// captions of the list's own header and, as tooltips, what each column's
// figure is and its unit. It hears of every row change from the table, so
// the view is told before and after rows come and go, even while a run shows
// a message box halfway through; a cell the table does not have reads as
// nothing rather than failing.
class ResultListModel : public QAbstractTableModel, private ResultTableObserver {
    Q_OBJECT
public:
    // The table is the selection page's and outlives the model.
    explicit ResultListModel(ResultTable& table, QObject* parent = nullptr);
    ~ResultListModel() override;

    ResultTable& table() { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "Water pressure drop, kPa": what the figure of a column is and its unit;
    // empty for the columns that hold no figure.
    static QString ColumnToolTip(int column);

private:
    void rowAboutToBeInserted(int index) override;
    void rowInserted(int index) override;
    void rowsAboutToBeDeleted() override;
    void rowsDeleted() override;
    void cellChanged(int row, int column) override;

    ResultTable& table_;
    Subscription tableSubscription_;
};

}  // namespace keld::ui
