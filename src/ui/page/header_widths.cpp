// SPDX-License-Identifier: MIT
#include "ui/page/header_widths.h"

#include <numeric>

namespace keld::ui {
namespace {

// The symbol and unit items of each group: group k covers items
// kGroupBounds[k] … kGroupBounds[k + 1] − 1 (item i sits over column i + 1).
constexpr std::array<int, 4> kGroupBounds = {0, 3, 6, 11};

int GroupOfItem(int item) { return item < 3 ? 0 : item < 6 ? 1 : 2; }

}  // namespace

HeaderWidths::HeaderWidths(const ListWidths& listWidths) : list_(listWidths) {
    rowsLeft_ = list_[column::kModel];
    const int span = std::accumulate(list_.begin(), list_.end(), 0) + 2 * column::kCount;
    rowsWidth_ = span - rowsLeft_;

    // Column 12, hidden, only ends the "With Recovery" group: it has no item
    // of its own and adds nothing to the group.
    int groupWidth = 0;
    std::size_t g = 0;
    for (int i = 1; i <= column::kRatedCapacity; ++i) {
        if (i != column::kRatedCapacity) {
            symbol_.push_back(list_[i]);
            unit_.push_back(list_[i]);
            groupWidth += list_[i];
        }
        if (g < kResultGroups.size() && i == kResultGroups[g].lastColumn) {
            group_.push_back(groupWidth);
            ++g;
            groupWidth = 0;
        }
    }
}

bool HeaderWidths::SyncHeaderWidths(int row, int item, int newWidth, int startWidth, int headerWidth) {
    const int change = newWidth - startWidth;
    bool laidOut = false;
    if (row == kSymbolRow || row == kUnitRow) {
        if (item < 0 || item >= static_cast<int>(symbol_.size())) return false;
        laidOut = syncSubColumn(item, newWidth, change);
    } else if (row == kGroupRow) {
        if (item < 0 || item >= static_cast<int>(group_.size())) return false;
        laidOut = syncGroup(item, newWidth, change);
    } else {
        return false;
    }
    if (laidOut) layOutRows(change, headerWidth);
    return laidOut;
}

// One symbol or unit column: its twin in the other row and the list column
// beneath follow, and its group grows or shrinks by the same amount.
bool HeaderWidths::syncSubColumn(int item, int newWidth, int change) {
    symbol_[item] = newWidth;
    unit_[item] = newWidth;
    list_[item + 1] = newWidth;
    group_[GroupOfItem(item)] += change;
    return true;
}

// A group takes the change out of (or gives it to) its last column while that
// column keeps some width; beyond that its columns are cut from the right.
bool HeaderWidths::syncGroup(int group, int newWidth, int change) {
    group_[group] = newWidth;
    const int last = kGroupBounds[group + 1] - 1;
    const int lastWidth = symbol_[last] + change;
    if (lastWidth > 0) {
        symbol_[last] = lastWidth;
        unit_[last] = lastWidth;
        list_[kGroupBounds[group + 1]] = lastWidth;
        return true;
    }
    int total = 0;
    bool full = false;
    for (int i = kGroupBounds[group]; i < kGroupBounds[group + 1]; ++i) {
        if (full) {
            symbol_[i] = 0;
        } else {
            total += symbol_[i];
            if (total > newWidth) {
                symbol_[i] -= total - newWidth;
                full = true;
            }
        }
        unit_[i] = symbol_[i];
    }
    return false;
}

// The rows keep their left edge at column 0's right edge and take the
// header's width with the change added, as the header's own layout proposes.
void HeaderWidths::layOutRows(int change, int headerWidth) {
    rowsLeft_ = list_[column::kModel];
    rowsWidth_ = headerWidth + change;
}

}  // namespace keld::ui
