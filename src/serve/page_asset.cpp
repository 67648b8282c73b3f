// SPDX-License-Identifier: MIT
#include "serve/page_asset.h"

#include <string_view>

#include "selection/result_columns.h"
#include "serve/selection_page_text.h"

namespace keld::serve {
namespace {

// Where the page's file leaves room for the result list's header.
constexpr std::string_view kHeaderMarker = "<!--RESULT-HEADER-->";

// Column texts are the program's own ("Pa'", "qw'"); escaped all the same,
// so that no text can break out of its attribute or cell.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HeaderCell(int columnIndex, std::string_view text, std::string_view span) {
    std::string cell = "<th scope=\"col\"";
    if (!span.empty()) cell += std::string(" ") + std::string(span);
    cell += " title=\"" + Escaped(ColumnHeading(columnIndex)) + "\">" + Escaped(text) + "</th>";
    return cell;
}

}  // namespace

std::string ResultHeaderHtml() {
    std::string columns;
    std::string groups;
    std::string symbols;
    std::string units;
    for (std::size_t i = 0; i < kShownColumns.size(); ++i) {
        const int c = kShownColumns[i];
        const ResultColumn& column = kResultColumns[static_cast<std::size_t>(c)];
        if (!columns.empty()) columns += ',';
        columns += std::to_string(c);
        if (*column.caption != '\0') {
            groups += HeaderCell(c, column.caption, "rowspan=\"3\"");
            continue;
        }
        if (*column.group != '\0') {
            // A group heads the run of shown columns that carry its name.
            const bool startsGroup =
                i == 0 ||
                std::string_view(kResultColumns[static_cast<std::size_t>(kShownColumns[i - 1])].group) !=
                    column.group;
            if (startsGroup) {
                std::size_t span = 0;
                while (i + span < kShownColumns.size() &&
                       std::string_view(
                           kResultColumns[static_cast<std::size_t>(kShownColumns[i + span])].group) ==
                           column.group) {
                    ++span;
                }
                groups += "<th scope=\"colgroup\" colspan=\"" + std::to_string(span) + "\">" +
                          Escaped(column.group) + "</th>";
            }
            symbols += HeaderCell(c, column.symbol, "");
        } else {
            // A figure outside the groups (the water pressure drop) shows
            // only its unit, under a blank heading as in the window.
            groups += HeaderCell(c, "", "rowspan=\"2\"");
        }
        units += HeaderCell(c, column.unit, "");
    }
    return "<thead data-columns=\"" + columns + "\">\n<tr>" + groups + "</tr>\n<tr>" + symbols +
           "</tr>\n<tr>" + units + "</tr>\n</thead>";
}

const std::string& SelectionPageHtml() {
    static const std::string page = [] {
        std::string text = kSelectionPageText;
        const std::size_t at = text.find(kHeaderMarker);
        if (at != std::string::npos) text.replace(at, kHeaderMarker.size(), ResultHeaderHtml());
        return text;
    }();
    return page;
}

}  // namespace keld::serve
