// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <vector>

#include "selection/result_columns.h"

namespace keld::ui {

// The widths of the result list's columns and of the three header rows laid
// over its own header: the operating-mode groups ("Cooling", "Heating",
// "With Recovery"), the quantity symbols and the units of columns 1–11. A
// drag of a divider in one row ends in SyncHeaderWidths, which keeps the other
// rows, the groups and the list's columns in step with it. Plain arithmetic,
// so the widget only moves what this class has worked out.
class HeaderWidths {
public:
    // Control ids of the three rows; the drag reports its row by them.
    static constexpr int kGroupRow = 10000;
    static constexpr int kSymbolRow = 10001;
    static constexpr int kUnitRow = 10002;

    using ListWidths = std::array<int, column::kCount>;

    // The rows as first built over columns of `listWidths`: one symbol and
    // unit item per column 1–11 at that column's width, one group item per
    // operating mode as wide as its columns. The rows start at the right edge
    // of column 0 and reach the sum of every column's width plus 2 pixels a
    // column, from the header's left edge.
    explicit HeaderWidths(const ListWidths& listWidths);

    const ListWidths& listColumns() const { return list_; }
    const std::vector<int>& groupItems() const { return group_; }
    const std::vector<int>& symbolItems() const { return symbol_; }
    const std::vector<int>& unitItems() const { return unit_; }

    // Where the rows lie in the list's own header: their left edge and width.
    int rowsLeft() const { return rowsLeft_; }
    int rowsWidth() const { return rowsWidth_; }

    // A drag in `row` has ended with item `item` at `newWidth`; it was
    // `startWidth` when the drag began. Brings the other rows, the group and
    // the list's column into line and returns true when the rows were laid
    // out again (then as wide as `headerWidth`, the own header's width,
    // plus the change). A group dragged narrower than its last column allows
    // refits the group's columns from the left instead, leaves the list's
    // columns and the rows' place alone and returns false. A row or item that
    // does not exist changes nothing and returns false.
    bool SyncHeaderWidths(int row, int item, int newWidth, int startWidth, int headerWidth);

private:
    bool syncSubColumn(int item, int newWidth, int change);
    bool syncGroup(int group, int newWidth, int change);
    void layOutRows(int change, int headerWidth);

    ListWidths list_;
    std::vector<int> group_;
    std::vector<int> symbol_;
    std::vector<int> unit_;
    int rowsLeft_ = 0;
    int rowsWidth_ = 0;
};

}  // namespace keld::ui
