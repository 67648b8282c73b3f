// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "reports/mixed_text.h"

namespace keld {

// A text made to fit the room of its cell: the size it prints at and the
// characters that print, ending in "…" where it was cut.
struct FittedText {
    float size = 0;
    std::vector<MixedCharacter> characters;
};

// Fits characters into `room` points: at `size` when they fit; otherwise at
// the size that makes them fit, down to `smallestSize`; below that at
// `smallestSize`, cut after the last character that leaves room for "…"
// (blanks before the cut dropped). Writer errors propagate.
FittedText FitMixedText(PDFlib& pdf, std::vector<MixedCharacter> characters, float size, float smallestSize,
                        float room);

}  // namespace keld
