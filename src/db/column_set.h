// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace keld {

// The column names of one statement's result in table order, with an index
// by name that ignores the case of ASCII letters, as the database's own names
// do ("capacity" finds "Capacity"). Built once per prepared statement and
// shared by every recordset that holds a result of it.
class ColumnSet {
public:
    explicit ColumnSet(std::vector<std::string> names);

    int size() const { return static_cast<int>(names_.size()); }
    const std::string& name(int index) const { return names_[static_cast<size_t>(index)]; }

    // Index of the first column of that name, -1 when there is none.
    int IndexOf(const std::string& name) const;

private:
    struct CaseFreeHash {
        size_t operator()(const std::string& text) const;
    };
    struct CaseFreeEqual {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    std::vector<std::string> names_;
    std::unordered_map<std::string, int, CaseFreeHash, CaseFreeEqual> indexByName_;
};

}  // namespace keld
