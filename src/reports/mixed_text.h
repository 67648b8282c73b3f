// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

class PDFlib;

// Draws UTF-8 text that may mix Latin and Chinese characters, starting at the
// baseline point (x, y): each character in Helvetica or, from U+00A0 up (and
// the C1 controls), in STSong-Light, every one continuing where the previous
// one ended. A character the Chinese font's GB 2312 set lacks prints as a
// Helvetica "?".
// An empty text draws nothing but still moves the text position. Leaves the
// font of the last character selected.
void ShowMixedText(PDFlib& pdf, const std::string& text, int x, int y, float size);

// Draws "°C" with its unit text starting at (x, y): "C" in the current font
// 2.5 points right of x, then a small raised "o" in Helvetica 5. Leaves
// Helvetica 8 selected.
void ShowDegreeCelsius(PDFlib& pdf, float x, float y);

}  // namespace keld
