// SPDX-License-Identifier: MIT
#include "serve/page_asset.h"

#include <gtest/gtest.h>

#include <string>

namespace keld::serve {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// The header a browser sees carries the window's three rows: "Model" over the
// full height, the operating modes over their columns, the symbols and units.
TEST(ResultHeaderHtml, GroupsSpanTheirColumnsAndModelSpansTheRows) {
    const std::string header = ResultHeaderHtml();
    struct Case {
        const char* cell;
    };
    for (const Case& c : {
             Case{"rowspan=\"3\" title=\"Model\">Model</th>"},
             Case{"colspan=\"3\">Cooling</th>"},
             Case{"colspan=\"3\">Heating</th>"},
             Case{"colspan=\"5\">With Recovery</th>"},
             Case{"title=\"Cooling Pf kW\">Pf</th>"},
             Case{"title=\"With Recovery Pa&#39; kW\">Pa&#39;</th>"},
             Case{"title=\"Water pressure drop kPa\">kPa</th>"},
         }) {
        EXPECT_NE(header.find(c.cell), std::string::npos) << c.cell << "\n" << header;
    }
    EXPECT_EQ(Count(header, "<tr>"), 3u);
    // Model, the eleven figures of the groups and the water pressure drop.
    EXPECT_NE(header.find("data-columns=\"0,1,2,3,4,5,6,7,8,9,10,11,16\""), std::string::npos) << header;
}

TEST(SelectionPageHtml, CarriesTheHeaderInsideTheResultList) {
    const std::string& page = SelectionPageHtml();
    ASSERT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_EQ(page.find("<!--RESULT-HEADER-->"), std::string::npos);
    const std::size_t table = page.find("<table class=\"result-list\"");
    const std::size_t head = page.find(ResultHeaderHtml());
    const std::size_t body = page.find("<tbody id=\"rows\">");
    ASSERT_NE(table, std::string::npos);
    ASSERT_NE(head, std::string::npos);
    EXPECT_LT(table, head);
    EXPECT_LT(head, body);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    // Built once and shared by every worker thread.
    EXPECT_EQ(&page, &SelectionPageHtml());
}

}  // namespace
}  // namespace keld::serve
