// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
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
    struct CaseFreeHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const;
    };
    struct CaseFreeEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::vector<std::string> names_;
    std::unordered_map<std::string, int, CaseFreeHash, CaseFreeEqual> indexByName_;
    OatAxis oatAxis_;
};

}  // namespace keld
