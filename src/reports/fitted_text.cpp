// SPDX-License-Identifier: MIT
#include "reports/fitted_text.h"

#include <cmath>
#include <utility>

namespace keld {
namespace {

// Sizes are set in hundredths of a point, rounded down so that the text
// never ends up wider than its room.
float RoundedDown(float size) { return std::floor(size * 100.0f) / 100.0f; }

}  // namespace

FittedText FitMixedText(PDFlib& pdf, std::vector<MixedCharacter> characters, float size, float smallestSize,
                        float room) {
    const float widthAtOne = MixedTextWidth(characters, 1);
    if (widthAtOne * size <= room) return {size, std::move(characters)};
    if (widthAtOne * smallestSize <= room) return {RoundedDown(room / widthAtOne), std::move(characters)};

    std::vector<MixedCharacter> ellipsis = SplitMixedText(pdf, "\u2026");
    float used = MixedTextWidth(ellipsis, smallestSize);
    std::size_t kept = 0;
    while (kept < characters.size() && used + characters[kept].width * smallestSize <= room) {
        used += characters[kept].width * smallestSize;
        ++kept;
    }
    while (kept > 0 && characters[kept - 1].codePoint == U' ') --kept;
    characters.resize(kept);
    characters.insert(characters.end(), ellipsis.begin(), ellipsis.end());
    return {smallestSize, std::move(characters)};
}

}  // namespace keld
