// SPDX-License-Identifier: MIT
// The arithmetic of the result list's three header rows: how they are built
// over the list's columns and how a drag in one of them carries over to the
// others and to the list.
#include <QStandardPaths>
#include <QTest>
#include <vector>

#include "ui/page/header_widths.h"

using keld::ui::HeaderWidths;

namespace {

HeaderWidths::ListWidths ListAtStart() {
    HeaderWidths::ListWidths widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = keld::kResultColumns[c].width;
    return widths;
}

std::vector<int> ListColumns(const HeaderWidths& h, int first, int last) {
    return std::vector<int>(h.listColumns().begin() + first, h.listColumns().begin() + last + 1);
}

std::vector<int> Repeat(int width, int count) {
    return std::vector<int>(static_cast<std::size_t>(count), width);
}

}  // namespace

class HeaderWidthsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void rowsAsBuilt();
    void drag_data();
    void drag();
};

// Three groups over columns 1–3, 4–6 and 7–11 (column 12, hidden, only ends
// the last group); one symbol and unit item per column; the rows from column
// 0's right edge to the sum of all widths plus 2 a column.
void HeaderWidthsTest::rowsAsBuilt() {
    const HeaderWidths h(ListAtStart());
    QCOMPARE(h.groupItems(), (std::vector<int>{186, 186, 310}));
    QCOMPARE(h.symbolItems(), Repeat(62, 11));
    QCOMPARE(h.unitItems(), Repeat(62, 11));
    QCOMPARE(h.rowsLeft(), 130);
    QCOMPARE(h.rowsWidth(), 130 + 11 * 62 + 2 * 162 + 44 - 130);
}

void HeaderWidthsTest::drag_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<bool>("laidOut");
    QTest::addColumn<std::vector<int>>("groups");
    QTest::addColumn<std::vector<int>>("subColumns");   // symbol items = unit items
    QTest::addColumn<std::vector<int>>("listColumns");  // 1 … 12
    const std::vector<int> start = Repeat(62, 11);
    const std::vector<int> listStart = [] {
        std::vector<int> c = Repeat(62, 11);
        c.push_back(0);
        return c;
    }();
    auto with = [](std::vector<int> widths, std::initializer_list<std::pair<int, int>> changes) {
        for (auto [i, w] : changes) widths[static_cast<std::size_t>(i)] = w;
        return widths;
    };

    QTest::newRow("unit L/s under column 3 to 80")
        << HeaderWidths::kUnitRow << 2 << 80 << true << std::vector<int>{204, 186, 310}
        << with(start, {{2, 80}}) << with(listStart, {{2, 80}});
    QTest::newRow("symbol Pr under column 9 to 40")
        << HeaderWidths::kSymbolRow << 8 << 40 << true << std::vector<int>{186, 186, 288}
        << with(start, {{8, 40}}) << with(listStart, {{8, 40}});
    QTest::newRow("Heating to 150: its last column 26")
        << HeaderWidths::kGroupRow << 1 << 150 << true << std::vector<int>{186, 150, 310}
        << with(start, {{5, 26}}) << with(listStart, {{5, 26}});
    QTest::newRow("Cooling wider to 200: its last column 76")
        << HeaderWidths::kGroupRow << 0 << 200 << true << std::vector<int>{200, 186, 310}
        << with(start, {{2, 76}}) << with(listStart, {{2, 76}});
    QTest::newRow("Heating to 100: refitted 62, 38, 0, list unchanged")
        << HeaderWidths::kGroupRow << 1 << 100 << false << std::vector<int>{186, 100, 310}
        << with(start, {{4, 38}, {5, 0}}) << listStart;
    QTest::newRow("Heating to 124, the last column just gone")
        << HeaderWidths::kGroupRow << 1 << 124 << false << std::vector<int>{186, 124, 310}
        << with(start, {{5, 0}}) << listStart;
    QTest::newRow("With Recovery to 30: the first column cut")
        << HeaderWidths::kGroupRow << 2 << 30 << false << std::vector<int>{186, 186, 30}
        << with(start, {{6, 30}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}) << listStart;
    QTest::newRow("no such item") << HeaderWidths::kGroupRow << 3 << 100 << false
                                  << std::vector<int>{186, 186, 310} << start << listStart;
    QTest::newRow("no such row") << 10003 << 0 << 100 << false << std::vector<int>{186, 186, 310} << start
                                 << listStart;
}

void HeaderWidthsTest::drag() {
    QFETCH(int, row);
    QFETCH(int, item);
    QFETCH(int, newWidth);
    QFETCH(bool, laidOut);
    QFETCH(std::vector<int>, groups);
    QFETCH(std::vector<int>, subColumns);
    QFETCH(std::vector<int>, listColumns);
    HeaderWidths h(ListAtStart());
    const int startWidth =
        row == HeaderWidths::kGroupRow && item < 3 ? h.groupItems()[static_cast<std::size_t>(item)] : 62;
    const int rowsWidthBefore = h.rowsWidth();
    QCOMPARE(h.SyncHeaderWidths(row, item, newWidth, startWidth, 900), laidOut);
    QCOMPARE(h.groupItems(), groups);
    QCOMPARE(h.symbolItems(), subColumns);
    QCOMPARE(h.unitItems(), subColumns);
    QCOMPARE(ListColumns(h, 1, 12), listColumns);
    QCOMPARE(h.listColumns()[0], 130);
    // Laid out again, the rows take the header's width plus the change.
    QCOMPARE(h.rowsWidth(), laidOut ? 900 + newWidth - startWidth : rowsWidthBefore);
}

QTEST_MAIN(HeaderWidthsTest)
#include "page_header_widths_test.moc"
