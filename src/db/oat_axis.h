// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld {

// One ambient of a performance grid: the OAT value as its column name
// writes it ("35", "-5", "7.5"), that text read as a number, and the name of
// the column a lookup reads for it ("%sOAT" of the text, every point written
// as an underscore).
struct OatColumn {
    std::string text;
    double value;
    std::string columnName;
};

// The ambients of a grid, in the order the lookups walk them.
using OatAxis = std::vector<OatColumn>;

// The ambients a grid's column names carry: every name containing "OAT",
// without its last three characters, "_" read as ".". Each goes directly
// after the last entry, searching from the end, whose value truncated to a
// whole number is smaller than its own, else first: ascending for grids
// whose ambients differ in their whole degrees, whatever the column order.
OatAxis OatAxisOfColumns(const std::vector<std::string>& columnNames);

// The axis of ambient texts already in walking order.
OatAxis OatAxisOfTexts(const std::vector<std::string>& oatTexts);

}  // namespace keld
