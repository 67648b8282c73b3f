// SPDX-License-Identifier: MIT
// The result list: its columns and three header rows, drags of their
// dividers with the mouse, tooltips, copying rows, and a run that shows
// message boxes after it has emptied the list.
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "base/message_sink.h"
#include "db/performance_database.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "selection/run_selection.h"
#include "support/recording_sink.h"
#include "ui/core_boundary.h"
#include "ui/page/header_ctrl_cl.h"
#include "ui/page/multi_header_list.h"

using keld::ui::CHeaderCtrlCl;
using keld::ui::CMultiHeaderList;

namespace {

QStringList SectionTexts(const QHeaderView* header) {
    QStringList texts;
    for (int i = 0; i < header->count(); ++i) {
        texts << header->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return texts;
}

QList<int> SectionWidths(const QHeaderView* header) {
    QList<int> widths;
    for (int i = 0; i < header->count(); ++i) widths << header->sectionSize(i);
    return widths;
}

// Drags a divider of `header` from x `from` to x `to`, halfway down.
void DragDivider(QHeaderView* header, int from, int to) {
    QWidget* area = header->viewport();
    const int y = area->height() / 2;
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(from, y));
    QTest::mouseMove(area, QPoint((from + to) / 2, y));
    QTest::mouseMove(area, QPoint(to, y));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(to, y));
}

QString ToolTipAt(QHeaderView* header, int x) {
    QWidget* area = header->viewport();
    const QPoint at(x, area->height() / 2);
    QHelpEvent help(QEvent::ToolTip, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void AddRow(keld::ResultTable& table, const std::string& model, const std::string& capacity,
            const std::string& drop) {
    const int row = table.rowCount();
    table.insertRow(row, model);
    table.setCell(row, keld::column::kCoolingCapacity, capacity);
    table.setCell(row, keld::column::kCoolingFlow, "22.07");
    table.setCell(row, keld::column::kPressureDrop, drop);
}

// Shows every message box as the window does in one respect: the event loop
// of the box repaints the list. The list must then show the table as it is.
class RepaintingSink : public keld::MessageSink {
public:
    void show(const std::string& text, const std::string&) override {
        shown.push_back(text);
        list->viewport()->repaint();
        list->grab();
        QApplication::processEvents();
        if (list->verticalHeader()->count() != table->rowCount()) rowsDifferingInABox = true;
    }
    CMultiHeaderList* list = nullptr;
    const keld::ResultTable* table = nullptr;
    std::vector<std::string> shown;
    bool rowsDifferingInABox = false;
};

}  // namespace

class ResultListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void columnsAfterSetUp();
    void headerRowsBuiltOnce();
    void headerShowsNoHoles();
    void dragUnitDividerWidensListColumnAndGroup();
    void dragGroupDividerNarrowsItsLastColumn();
    void dragGroupBelowItsLastColumnRefitsTheGroup();
    void modelColumnCannotBeResized();
    void tooltipsNameQuantityAndUnit();
    void copiesSelectedRowsForASpreadsheet();
    void clickMarksTheRowAndReportsIt();
    void runShowingBoxesAfterEmptyingTheList();

private:
    keld::ResultTable* table_ = nullptr;
    std::unique_ptr<keld::test::RecordingSink> sink_;
    std::unique_ptr<keld::ui::CoreBoundary> boundary_;
    CMultiHeaderList* list_ = nullptr;
};

void ResultListTest::init() {
    table_ = new keld::ResultTable;
    sink_ = std::make_unique<keld::test::RecordingSink>();
    boundary_ = std::make_unique<keld::ui::CoreBoundary>(*sink_);
    list_ = new CMultiHeaderList(*table_, *boundary_);
    list_->resize(843, 160);
    list_->show();
    QVERIFY(QTest::qWaitForWindowExposed(list_));
}

void ResultListTest::cleanup() {
    delete list_;
    delete table_;
}

void ResultListTest::columnsAfterSetUp() {
    QCOMPARE(list_->model()->columnCount(), 22);
    CHeaderCtrlCl* own = list_->ownHeader();
    QCOMPARE(own->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Model"));
    QCOMPARE(list_->columnWidth(0), 130);
    QCOMPARE(own->model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignCenter));
    for (int c : {12, 13, 14, 15, 17, 18, 19, 20}) QCOMPARE(list_->columnWidth(c), 0);
    for (int c : {16, 21}) {
        QCOMPARE(list_->columnWidth(c), 162);
        QVERIFY(own->model()->headerData(c, Qt::Horizontal).toString().isEmpty());
    }
    // The own header is 2.7 times its usual height, the rows a third each,
    // unless a row would then cut the font's descenders: each row holds a
    // whole line of the font within its frame lines.
    CHeaderCtrlCl plain;
    plain.setModel(list_->model());
    plain.setFont(own->font());
    const int lineFits = 3 * (own->fontMetrics().height() + 4);
    QCOMPARE(own->height(),
             std::max(static_cast<int>(static_cast<float>(plain.sizeHint().height()) * 2.7f), lineFits));
    QCOMPARE(list_->headerRowHeight(), own->height() / 3);
    for (CHeaderCtrlCl* row : {list_->groupRow(), list_->symbolRow(), list_->unitRow()}) {
        QVERIFY(row->height() >= row->fontMetrics().height() + 4);
    }
    QCOMPARE(list_->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list_->showGrid());
}

// Beyond the rows' last items the header shows header surface, not what lies
// behind it, and over the pressure-drop column its symbol and unit.
void ResultListTest::headerShowsNoHoles() {
    list_->setStyleSheet(QStringLiteral("CMultiHeaderList { background: rgb(176, 226, 255); }"));
    const int dropWidth = list_->columnWidth(keld::column::kPressureDrop);
    list_->horizontalScrollBar()->setValue(list_->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    for (CHeaderCtrlCl* row : {list_->groupRow(), list_->symbolRow(), list_->unitRow()}) {
        const QImage shown = row->grab().toImage();
        const int end = row->sectionViewportPosition(row->count() - 1) + row->sectionSize(row->count() - 1);
        QVERIFY(end < shown.width());
        const int y = shown.height() / 2;
        // The surface beside the items, far from any text, is the items' own surface.
        const QColor inItem = shown.pixel(row->sectionViewportPosition(row->count() - 1) + 3, y);
        const QColor beyond = shown.pixel(shown.width() - 4, y);
        QCOMPARE(beyond, inItem);
        QVERIFY(beyond != QColor(176, 226, 255));
        // Dark pixels of a caption over the pressure-drop column, in the symbol and unit rows only.
        const int dropInRow =
            list_->ownHeader()->sectionViewportPosition(keld::column::kPressureDrop) - row->x();
        int dark = 0;
        for (int x = std::max(dropInRow, end) + 2; x < std::min(dropInRow + dropWidth, shown.width()) - 2;
             ++x) {
            for (int yy = 2; yy < shown.height() - 2; ++yy)
                dark += QColor(shown.pixel(x, yy)).lightness() < 100;
        }
        QCOMPARE(dark > 0, row != list_->groupRow());
    }
}

void ResultListTest::headerRowsBuiltOnce() {
    QCOMPARE(
        SectionTexts(list_->groupRow()),
        (QStringList{QStringLiteral("Cooling"), QStringLiteral("Heating"), QStringLiteral("With Recovery")}));
    QCOMPARE(SectionWidths(list_->groupRow()), (QList<int>{186, 186, 310}));
    QCOMPARE(SectionTexts(list_->symbolRow()).join(QLatin1Char(' ')),
             QStringLiteral("Pf Pa qw Pf Pa qw Pf qw Pr Pa' qw'"));
    QCOMPARE(SectionTexts(list_->unitRow()).join(QLatin1Char(' ')),
             QStringLiteral("kW kW L/s kW kW L/s kW L/s kW kW L/s"));
    QCOMPARE(SectionWidths(list_->symbolRow()), QList<int>(11, 62));
    QCOMPARE(SectionWidths(list_->unitRow()), QList<int>(11, 62));
    // The rows start at column 0's right edge, in three bands.
    QCOMPARE(list_->groupRow()->geometry().topLeft(), QPoint(130, 0));
    QCOMPARE(list_->unitRow()->y(), 2 * list_->headerRowHeight());

    QVERIFY(list_->BuildHeaderRows());
    QCOMPARE(list_->ownHeader()->findChildren<CHeaderCtrlCl*>(Qt::FindDirectChildrenOnly).size(), 3);
    QCOMPARE(list_->groupRow()->count(), 3);
}

void ResultListTest::dragUnitDividerWidensListColumnAndGroup() {
    DragDivider(list_->unitRow(), 3 * 62, 3 * 62 + 18);
    QCOMPARE(list_->columnWidth(3), 80);
    QCOMPARE(list_->symbolRow()->sectionSize(2), 80);
    QCOMPARE(list_->unitRow()->sectionSize(2), 80);
    QCOMPARE(SectionWidths(list_->groupRow()), (QList<int>{204, 186, 310}));
    // Laid out again: the rows still start at column 0's right edge.
    QCOMPARE(list_->unitRow()->x(), 130);
    QCOMPARE(list_->unitRow()->width(), list_->ownHeader()->width() + 18);
}

void ResultListTest::dragGroupDividerNarrowsItsLastColumn() {
    DragDivider(list_->groupRow(), 372, 336);
    QCOMPARE(SectionWidths(list_->groupRow()), (QList<int>{186, 150, 310}));
    QCOMPARE(list_->columnWidth(6), 26);
    QCOMPARE(list_->symbolRow()->sectionSize(5), 26);
    QCOMPARE(list_->unitRow()->sectionSize(5), 26);
}

void ResultListTest::dragGroupBelowItsLastColumnRefitsTheGroup() {
    const int rowsWidth = list_->groupRow()->width();
    DragDivider(list_->groupRow(), 372, 286);
    QCOMPARE(SectionWidths(list_->groupRow()), (QList<int>{186, 100, 310}));
    QCOMPARE(SectionWidths(list_->symbolRow()).mid(3, 3), (QList<int>{62, 38, 0}));
    QCOMPARE(SectionWidths(list_->unitRow()).mid(3, 3), (QList<int>{62, 38, 0}));
    for (int c = 4; c <= 6; ++c) QCOMPARE(list_->columnWidth(c), 62);
    QCOMPARE(list_->groupRow()->width(), rowsWidth);
}

void ResultListTest::modelColumnCannotBeResized() {
    DragDivider(list_->ownHeader(), 129, 170);
    QCOMPARE(list_->columnWidth(0), 130);
    QCOMPARE(list_->groupRow()->x(), 130);
}

// Over the rows the tooltip names the column beneath, the blank part over
// the water pressure drop included.
void ResultListTest::tooltipsNameQuantityAndUnit() {
    QCOMPARE(ToolTipAt(list_->ownHeader(), 60), QStringLiteral("Model"));
    QCOMPARE(ToolTipAt(list_->symbolRow(), 2 * 62 + 30), QStringLiteral("Chilled-water flow, L/s"));
    QCOMPARE(ToolTipAt(list_->groupRow(), 4 * 62 + 30), QStringLiteral("Power input in heating, kW"));
    QCOMPARE(ToolTipAt(list_->unitRow(), 11 * 62 + 40), QStringLiteral("Water pressure drop, kPa"));
}

void ResultListTest::copiesSelectedRowsForASpreadsheet() {
    AddRow(*table_, "QTK130GN5-LQE", "459.2", "61.8");
    AddRow(*table_, "QTK150GN5-LQE", "530.1", "58.0");
    AddRow(*table_, "QTK180GN5-LQE", "611.0", "49.5/49.5");
    QApplication::clipboard()->clear();
    const int rowHeight = list_->rowHeight(0);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(60, rowHeight / 2));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      QPoint(60, 2 * rowHeight + rowHeight / 2));
    QTest::keyClick(list_, Qt::Key_C, Qt::ControlModifier);
    const QString tabs(9, QLatin1Char('\t'));
    QCOMPARE(
        QApplication::clipboard()->text(),
        QStringLiteral("Model\tCooling Pf kW\tCooling Pa kW\tCooling qw L/s\tHeating Pf kW\tHeating Pa kW\t"
                       "Heating qw L/s\tWith Recovery Pf kW\tWith Recovery qw L/s\tWith Recovery Pr kW\t"
                       "With Recovery Pa' kW\tWith Recovery qw' L/s\tWater pressure drop kPa\n"
                       "QTK130GN5-LQE\t459.2\t\t22.07") +
            tabs + QStringLiteral("61.8\nQTK180GN5-LQE\t611.0\t\t22.07") + tabs +
            QStringLiteral("49.5/49.5\n"));
}

// A click on a row marks it and is reported; a click beside the rows clears
// the highlight and the mark with it, and is reported too; the focus coming
// to the list marks nothing.
void ResultListTest::clickMarksTheRowAndReportsIt() {
    AddRow(*table_, "QTK130GN5-LQE", "459.2", "61.8");
    AddRow(*table_, "QTK150GN5-LQE", "530.1", "58.0");
    int clicks = 0;
    connect(list_, &CMultiHeaderList::rowClicked, this, [&clicks] { ++clicks; });
    list_->setFocus(Qt::TabFocusReason);
    QVERIFY(!table_->markedRow());
    const int rowHeight = list_->rowHeight(0);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(60, rowHeight + rowHeight / 2));
    QCOMPARE(table_->markedRow(), std::optional<int>(1));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(60, 5 * rowHeight));
    QCOMPARE(table_->markedRow(), std::nullopt);
    QTest::keyClick(list_, Qt::Key_Up);
    QCOMPARE(table_->markedRow(), std::optional<int>(0));
    QCOMPARE(clicks, 2);
}

// "Water flow is beyond range" comes after the run has deleted the rows of
// the run before; while the box is up the list repaints with no row of the
// old run left in it.
void ResultListTest::runShowingBoxesAfterEmptyingTheList() {
    RepaintingSink sink;
    keld::PerformanceDatabase db(sink);
    QVERIFY(db.OpenDatabase(KELD_SAMPLE_DATABASE));
    keld::SelectionPage page(keld::DecodeLaunchText(""), sink);
    CMultiHeaderList list(page.results(), *boundary_);
    list.resize(843, 160);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    sink.list = &list;
    sink.table = &page.results();

    keld::RunSelection(page, db);
    QCOMPARE(list.verticalHeader()->count(), 1);
    list.selectRow(0);
    page.focusField(keld::kCoolingFlowEdit);
    page.setEditText(keld::kCoolingFlowEdit, "40");
    keld::RunSelection(page, db);
    QCOMPARE(sink.shown, std::vector<std::string>{"QTK130GN5-LQE:Water flow is beyond range"});
    QVERIFY(!sink.rowsDifferingInABox);
    QCOMPARE(list.verticalHeader()->count(), 0);
    QVERIFY(!list.selectionModel()->hasSelection());
}

QTEST_MAIN(ResultListTest)
#include "page_result_list_test.moc"
