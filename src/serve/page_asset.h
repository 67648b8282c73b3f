// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld::serve {

// The selection page a browser gets at "/": the form of the window's
// selection page, the result list under its three header rows, and the
// script that posts to /v1/select and /v1/datasheet. One document with its
// style and script inside, built once on first use and shared read-only by
// every worker thread.
const std::string& SelectionPageHtml();

// The result list's header as an HTML <thead> (the "Model" column over the
// full height, then the operating-mode groups, the quantity symbols and the
// units of the shown columns), and the list of those columns' indexes the
// script reads each row's cells by. Made from the same column table the
// window's list is built from, so the two never disagree.
std::string ResultHeaderHtml();

}  // namespace keld::serve
