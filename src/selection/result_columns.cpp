// SPDX-License-Identifier: MIT
#include "selection/result_columns.h"

#include <cctype>

namespace keld {

std::string ColumnHeading(int columnIndex) {
    const ResultColumn& c = kResultColumns.at(static_cast<std::size_t>(columnIndex));
    std::string heading;
    if (*c.caption != '\0') {
        heading = c.caption;
    } else if (*c.symbol != '\0') {
        heading = std::string(c.group) + ' ' + c.symbol;
    } else {
        heading = c.quantity;
        if (!heading.empty())
            heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
    }
    if (*c.unit != '\0') heading += std::string(" ") + c.unit;
    return heading;
}

}  // namespace keld
