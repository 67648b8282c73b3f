// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include "session/page_options.h"

namespace keld {

class SelectionPage;

// Puts the options on a page built with their launch text, as a user would:
// compressor type (with its interlocks), fluid, glycol percentage, standard,
// then each value typed into its edit and the edit left again (a flow edit is
// focused first, which makes the flow the entered value of its circuit).
// Raises UsageError, before the page changes any further, for a value that is
// not a number of its field's kind (the text is the page's own prompt) and
// for an option that would change a control the page disables in the chosen
// configuration; restating the value such a control already shows is fine.
void ApplyPageOptions(SelectionPage& page, const PageOptions& options);

// `options` split where ApplyPageOptions reaches the value of `controlId`:
// the first part holds every option it takes before that value, the second
// that value and every later one. Applied one after the other, the two parts
// make the page `options` make at once.
std::pair<PageOptions, PageOptions> SplitPageOptionsAt(const PageOptions& options, int controlId);

}  // namespace keld
