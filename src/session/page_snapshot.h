// SPDX-License-Identifier: MIT
#pragma once

#include "session/page_options.h"

namespace keld {

class SelectionPage;

// The page's inputs as they stand, as the options of a request: applied to a
// fresh page (ApplyPageOptions) they give the same duty. The launch text
// holds the page's two digits and "BREXAL" for the second brand; then the
// compressor type, fluid, standard and, for every edit the page enables, its
// text as shown (the glycol percentage only on glycol). Of each circuit only
// the value the user entered is taken: the flow where the flow is entered,
// else the inlet temperature, since the page computes the other. No database
// is named. A text that is not a number of its edit's kind is taken as it
// stands; applying it is then refused as typing it would be.
PageOptions OptionsOfPage(const SelectionPage& page);

}  // namespace keld
