// SPDX-License-Identifier: MIT
#pragma once

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

}  // namespace keld
