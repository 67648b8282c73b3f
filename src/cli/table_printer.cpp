// SPDX-License-Identifier: MIT
#include "cli/table_printer.h"

#include <algorithm>
#include <string>
#include <vector>

namespace keld::cli {
namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void PrintLine(std::ostream& out, const std::vector<std::string>& cells,
               const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += "  ";
        line += cells[i];
        if (i + 1 < cells.size()) line.append(widths[i] - DisplayWidth(cells[i]), ' ');
    }
    out << line << '\n';
}

}  // namespace

void PrintResultTable(std::ostream& out, const ResultTable& table) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> header;
    for (int column : kShownColumns) header.push_back(ColumnHeading(column));
    lines.push_back(header);
    for (int r = 0; r < table.rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int column : kShownColumns) cells.push_back(table.cell(r, column));
        lines.push_back(cells);
    }
    std::vector<std::size_t> widths(header.size(), 0);
    for (const auto& cells : lines) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(cells[i]));
    }
    for (const auto& cells : lines) PrintLine(out, cells, widths);
}

}  // namespace keld::cli
