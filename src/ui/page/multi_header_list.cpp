// SPDX-License-Identifier: MIT
#include "ui/page/multi_header_list.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <algorithm>
#include <optional>

#include "selection/result_columns.h"
#include "ui/core_boundary.h"
#include "ui/page/header_ctrl_cl.h"
#include "ui/page/result_list_model.h"

namespace keld::ui {

CMultiHeaderList::CMultiHeaderList(ResultTable& table, CoreBoundary& boundary, QWidget* parent)
    : QTableView(parent),
      table_(table),
      boundary_(boundary),
      model_(new ResultListModel(table, this)),
      ownHeader_(new CHeaderCtrlCl(this)),
      mapAction_(new QAction(QStringLiteral("Performance map…"), this)) {
    setHorizontalHeader(ownHeader_);
    setModel(model_);
    // A report list: grid lines, whole rows selected (several at once), the
    // selection kept in sight when the focus is elsewhere, no row header and
    // no editing in place.
    setShowGrid(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);

    ownHeader_->setHeightFactor(2.7f);
    ownHeader_->setMinimumSectionSize(0);
    for (int c = 0; c < column::kCount; ++c)
        setColumnWidth(c, kResultColumns[static_cast<std::size_t>(c)].width);
    // The model column is never resized; the others lie under the rows.
    ownHeader_->setSectionResizeMode(column::kModel, QHeaderView::Fixed);
    BuildHeaderRows();

    mapAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mapAction_->setShortcutContext(Qt::WindowShortcut);
    connect(mapAction_, &QAction::triggered, this, &CMultiHeaderList::requestMapOfMarkedRow);
    addAction(mapAction_);
}

CMultiHeaderList::~CMultiHeaderList() = default;

void CMultiHeaderList::requestMapOfMarkedRow() {
    std::optional<int> marked;
    boundary_.run([&] { marked = table_.markedRow(); });
    if (marked) Q_EMIT performanceMapRequested(*marked);
}

CHeaderCtrlCl* CMultiHeaderList::makeRow(const std::vector<int>& widths, const QStringList& texts) {
    auto* row = new CHeaderCtrlCl(ownHeader_);
    auto* items = new QStandardItemModel(0, static_cast<int>(texts.size()), row);
    items->setHorizontalHeaderLabels(texts);
    row->setModel(items);
    row->setMinimumSectionSize(0);
    row->setSectionsClickable(true);  // items drawn as buttons
    row->setFont(ownHeader_->font());
    for (int i = 0; i < static_cast<int>(widths.size()); ++i) row->resizeSection(i, widths[i]);
    row->show();
    return row;
}

bool CMultiHeaderList::BuildHeaderRows() {
    if (groupRow_ != nullptr) return true;
    // Each row holds a whole line of the font, descenders included ("g",
    // "y"), inside its frame lines.
    ownHeader_->setMinimumHintHeight(3 * (ownHeader_->fontMetrics().height() + 4));
    rowHeight_ = ownHeader_->sizeHint().height() / 3;
    HeaderWidths::ListWidths list{};
    for (int c = 0; c < column::kCount; ++c) list[static_cast<std::size_t>(c)] = columnWidth(c);
    widths_ = std::make_unique<HeaderWidths>(list);

    QStringList groups;
    for (const ResultGroup& group : kResultGroups) groups << QString::fromUtf8(group.caption);
    QStringList symbols;
    QStringList units;
    for (int c = column::kCoolingCapacity; c < column::kRatedCapacity; ++c) {
        symbols << QString::fromUtf8(kResultColumns[static_cast<std::size_t>(c)].symbol);
        units << QString::fromUtf8(kResultColumns[static_cast<std::size_t>(c)].unit);
    }
    groupRow_ = makeRow(widths_->groupItems(), groups);
    symbolRow_ = makeRow(widths_->symbolItems(), symbols);
    unitRow_ = makeRow(widths_->unitItems(), units);
    // The pressure drop lies beyond the rows' items: its symbol and unit.
    symbolRow_->setTrailingCaption(column::kPressureDrop, QStringLiteral("Δp"));
    unitRow_->setTrailingCaption(column::kPressureDrop,
                                 QString::fromUtf8(kResultColumns[column::kPressureDrop].unit));
    placeRows();
    return true;
}

// The rows lie in three bands of the own header and scroll with it.
void CMultiHeaderList::placeRows() {
    if (groupRow_ == nullptr) return;
    const int left = widths_->rowsLeft() - ownHeader_->offset();
    const int width = widths_->rowsWidth();
    groupRow_->setGeometry(left, 0, width, rowHeight_);
    symbolRow_->setGeometry(left, rowHeight_, width, rowHeight_);
    unitRow_->setGeometry(left, 2 * rowHeight_, width, rowHeight_);
    ownHeader_->viewport()->update();
}

void CMultiHeaderList::applyWidths() {
    const auto apply = [](CHeaderCtrlCl* row, const std::vector<int>& widths) {
        for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
            if (row->sectionSize(i) != widths[static_cast<std::size_t>(i)]) {
                row->resizeSection(i, widths[static_cast<std::size_t>(i)]);
            }
        }
    };
    apply(groupRow_, widths_->groupItems());
    apply(symbolRow_, widths_->symbolItems());
    apply(unitRow_, widths_->unitItems());
    for (int c = 0; c < column::kCount; ++c) {
        const int width = widths_->listColumns()[static_cast<std::size_t>(c)];
        if (columnWidth(c) != width) setColumnWidth(c, width);
    }
}

int CMultiHeaderList::SyncHeaderWidths(CHeaderCtrlCl* row, int item) {
    int rowId = 0;
    if (row == groupRow_) {
        rowId = HeaderWidths::kGroupRow;
    } else if (row == symbolRow_) {
        rowId = HeaderWidths::kSymbolRow;
    } else if (row == unitRow_) {
        rowId = HeaderWidths::kUnitRow;
    }
    if (rowId == 0 || item < 0 || item >= row->count()) return 0;
    const bool laidOut = widths_->SyncHeaderWidths(rowId, item, row->sectionSize(item),
                                                   row->trackStartWidth(), ownHeader_->width());
    applyWidths();
    if (laidOut) {
        placeRows();
    } else {
        groupRow_->viewport()->update();
    }
    return laidOut ? 1 : 0;
}

void CMultiHeaderList::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0) placeRows();
}

// The mark is the row the user last selected, by mouse or keyboard; the
// view moving its current row by itself (taking the focus) marks nothing.
void CMultiHeaderList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!userSelecting_ || !current.isValid()) return;
    boundary_.run([&] {
        if (current.row() < table_.rowCount()) table_.markRow(current.row());
    });
}

// What the list shows highlighted is what the PDF command writes: a mark
// whose row is no longer highlighted (a click on blank space cleared the
// selection) is dropped, or moves to the highlighted row the user is on.
void CMultiHeaderList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    boundary_.run([this] {
        const std::optional<int> marked = table_.markedRow();
        if (!marked || selectionModel()->rowIntersectsSelection(*marked, QModelIndex())) return;
        const QModelIndex current = currentIndex();
        if (current.isValid() && selectionModel()->rowIntersectsSelection(current.row(), QModelIndex()) &&
            current.row() < table_.rowCount()) {
            table_.markRow(current.row());
        } else {
            table_.markRow(std::nullopt);
        }
    });
}

// An empty list that has the keyboard focus says so with a dotted frame, as
// a list with rows does with its current row.
void CMultiHeaderList::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (!hasFocus() || model_->rowCount() > 0) return;
    QPainter painter(viewport());
    QPen dotted(palette().color(QPalette::Active, QPalette::Text), 0);
    dotted.setDashPattern({1.0, 1.0});
    painter.setPen(dotted);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}

void CMultiHeaderList::mousePressEvent(QMouseEvent* event) {
    clickStarted_ = event->button() == Qt::LeftButton;
    QScopedValueRollback selecting(userSelecting_, true);
    QTableView::mousePressEvent(event);
}

// A click anywhere in the list, on a row or beside the rows, restores the
// marked row's inputs.
void CMultiHeaderList::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !clickStarted_) return;
    clickStarted_ = false;
    Q_EMIT rowClicked();
}

// The first click of a double click has restored the row's inputs, as any
// click does; the second asks for its map.
void CMultiHeaderList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) Q_EMIT performanceMapRequested(index.row());
}

// The menu of the row under the mouse (the right press has marked it), or
// from the keyboard of the marked row.
void CMultiHeaderList::contextMenuEvent(QContextMenuEvent* event) {
    std::optional<int> row;
    if (event->reason() == QContextMenuEvent::Mouse) {
        // The event may come from the rows or from the header above them.
        const QPoint at = viewport()->mapFromGlobal(event->globalPos());
        const QModelIndex index = viewport()->rect().contains(at) ? indexAt(at) : QModelIndex();
        if (index.isValid()) row = index.row();
    } else {
        boundary_.run([&] { row = table_.markedRow(); });
    }
    QMenu menu(this);
    QAction* map = menu.addAction(mapAction_->text());
    map->setShortcut(mapAction_->shortcut());
    map->setEnabled(row.has_value());
    if (menu.exec(event->globalPos()) == map && row) Q_EMIT performanceMapRequested(*row);
    event->accept();
}

void CMultiHeaderList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QString text;
        boundary_.run([&] { text = selectedRowsText(); });
        if (!text.isEmpty()) QApplication::clipboard()->setText(text);
        event->accept();
        return;
    }
    QScopedValueRollback selecting(userSelecting_, true);
    QTableView::keyPressEvent(event);
}

QString CMultiHeaderList::selectedRowsText() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return {};
    QStringList headings;
    for (int c : kShownColumns) headings << QString::fromStdString(ColumnHeading(c));
    QString text = headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) {
        if (row.row() >= table_.rowCount()) continue;
        QStringList cells;
        for (int c : kShownColumns) cells << QString::fromStdString(table_.cell(row.row(), c));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace keld::ui
