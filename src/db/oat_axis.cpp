// SPDX-License-Identifier: MIT
#include "db/oat_axis.h"

#include <cmath>

#include "base/format_text.h"
#include "base/number_text.h"
#include "db/schema.h"

namespace keld {
namespace {

OatColumn ColumnOfText(std::string text) {
    double value = LeadingNumber(text);
    std::string columnName = FormatText(schema::kOatColumnFormat, text.c_str());
    for (char& c : columnName) {
        if (c == '.') c = '_';
    }
    return {std::move(text), value, std::move(columnName)};
}

}  // namespace

OatAxis OatAxisOfColumns(const std::vector<std::string>& columnNames) {
    OatAxis axis;
    for (const std::string& name : columnNames) {
        if (name.find(schema::kOatMarker) == std::string::npos) continue;
        std::string text = name.substr(0, name.size() - 3);
        for (char& c : text) {
            if (c == '_') c = '.';
        }
        OatColumn column = ColumnOfText(std::move(text));
        auto position = axis.begin();
        for (auto entry = axis.end(); entry != axis.begin();) {
            --entry;
            if (std::trunc(entry->value) < column.value) {
                position = entry + 1;
                break;
            }
        }
        axis.insert(position, std::move(column));
    }
    return axis;
}

OatAxis OatAxisOfTexts(const std::vector<std::string>& oatTexts) {
    OatAxis axis;
    axis.reserve(oatTexts.size());
    for (const std::string& text : oatTexts) axis.push_back(ColumnOfText(text));
    return axis;
}

}  // namespace keld
