// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/oat_axis.h"

namespace keld {

// The column names of one statement's result in table order, with an index
// by name that ignores the case of ASCII letters, as the database's own names
// do ("capacity" finds "Capacity"), and the ambients the names carry when
// they are a performance grid's. Built once per prepared statement and
// shared by every recordset that holds a result of it, so a grid's column
// names are read once, not at every lookup.
class ColumnSet {
public:
    explicit ColumnSet(std::vector<std::string> names);

    int size() const { return static_cast<int>(names_.size()); }
    const std::string& name(int index) const { return names_[static_cast<size_t>(index)]; }

    // Index of the first column of that name, -1 when there is none.
    int IndexOf(std::string_view name) const;

    // The OAT columns among the names (empty for a table that is no grid).
    const OatAxis& oatAxis() const { return oatAxis_; }

private:
    // The names by their case-free hash, open addressing in a power-of-two
    // table: a run looks a few dozen names up, and one flat probe costs less
    // than a node-based map's chain of loads.
    struct Slot {
        std::uint32_t hash = 0;
        int column = -1;  // -1: empty
    };

    std::vector<std::string> names_;
    std::vector<Slot> slots_;
    OatAxis oatAxis_;
};

}  // namespace keld
