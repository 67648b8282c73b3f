// SPDX-License-Identifier: MIT
#pragma once

#include <QTableView>
#include <memory>

#include "selection/result_table.h"
#include "ui/page/header_widths.h"

namespace keld::ui {

class CHeaderCtrlCl;
class CoreBoundary;
class ResultListModel;

// The result list: one row per unit the last run accepted, 22 centred
// columns (the hidden ones hold what the datasheet reads), grid lines and
// whole-row selection. Over its own header, 2.7 times the usual height, lie
// three header rows: the operating mode, the quantity symbol and the unit of
// the figures. Dragging a divider in any of them keeps the others and the
// list's columns in line. The row last selected by mouse or keyboard is the
// table's mark; a click anywhere in the list reports rowClicked, which the
// page answers by restoring that row's inputs. Ctrl+C copies the selected
// rows as tab-separated text with a heading line. "Performance map…" asks for
// the map of a row's unit: from the context menu of a row, by a double click
// on it (after the click has restored its inputs) and by Ctrl+M anywhere in
// the window for the marked row. The mark and the copy reach the table
// through the window's core boundary.
class CMultiHeaderList : public QTableView {
    Q_OBJECT
public:
    // The table is the selection page's; it and the boundary outlive the list.
    CMultiHeaderList(ResultTable& table, CoreBoundary& boundary, QWidget* parent = nullptr);
    ~CMultiHeaderList() override;

    CHeaderCtrlCl* ownHeader() const { return ownHeader_; }
    CHeaderCtrlCl* groupRow() const { return groupRow_; }
    CHeaderCtrlCl* symbolRow() const { return symbolRow_; }
    CHeaderCtrlCl* unitRow() const { return unitRow_; }
    // One third of the own header's height when the rows were built.
    int headerRowHeight() const { return rowHeight_; }

    // Builds and fills the three rows once; later calls add nothing.
    bool BuildHeaderRows();
    // A drag of item `item` in one of the rows has ended (the row's own
    // trackStartWidth tells where it began): the other rows, the group and
    // the list's columns follow. Returns 1 when the rows were laid out again,
    // 0 otherwise.
    int SyncHeaderWidths(CHeaderCtrlCl* row, int item);

    // The selected rows as tab-separated lines under a heading line (the
    // model and the shown figures with their units), in list order; empty
    // when no row is selected.
    QString selectedRowsText() const;

    // The action "Performance map…" (Ctrl+M) of the marked row.
    QAction* performanceMapAction() const { return mapAction_; }

Q_SIGNALS:
    void rowClicked();
    // The user asked for the performance map of the unit of `row`.
    void performanceMapRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    CHeaderCtrlCl* makeRow(const std::vector<int>& widths, const QStringList& texts);
    void applyWidths();
    void placeRows();
    void requestMapOfMarkedRow();

    ResultTable& table_;
    CoreBoundary& boundary_;
    ResultListModel* model_;
    CHeaderCtrlCl* ownHeader_;
    CHeaderCtrlCl* groupRow_ = nullptr;
    CHeaderCtrlCl* symbolRow_ = nullptr;
    CHeaderCtrlCl* unitRow_ = nullptr;
    std::unique_ptr<HeaderWidths> widths_;
    QAction* mapAction_;
    int rowHeight_ = 0;
    bool userSelecting_ = false;
    bool clickStarted_ = false;
};

}  // namespace keld::ui
