// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld {

class PDFlib;

// The TrueType font (Debian's fonts-dejavu-core) that prints what neither
// Helvetica nor the Chinese font holds: Polish, Czech, Greek, Cyrillic,
// Turkish names and the like. libharu embeds the glyphs a sheet uses.
inline constexpr const char* kUnicodeFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// One character of a text the user typed, ready for the font that prints it.
struct MixedCharacter {
    enum class Font { Helvetica, Chinese, Unicode };
    char32_t codePoint = 0;
    Font font = Font::Helvetica;
    std::string bytes;      // in the font's encoding: a WinAnsi byte, a GB 2312 pair or UTF-8
    float width = 0;        // advance at size 1, in points
    bool printable = true;  // false: no font holds it, and it prints as a Helvetica "?"
};

// Splits UTF-8 text into its characters, each with the font that prints it:
// Helvetica for what its 8-bit Latin (WinAnsi) set holds, STSong-Light for
// the rest of GB 2312, the Unicode font for what that holds, and a Helvetica
// "?" for anything else. The Unicode font goes into the open document only
// when a character needs it; where its file is missing or unusable those
// characters print as "?" as well. Writer errors propagate.
std::vector<MixedCharacter> SplitMixedText(PDFlib& pdf, const std::string& text);

// The width in points of the characters set at `size`.
float MixedTextWidth(const std::vector<MixedCharacter>& characters, float size);

// Draws characters from the baseline point (x, y) at `size`, each run of
// one font continuing where the previous one ended. Leaves the font of the
// last run selected.
void ShowMixedCharacters(PDFlib& pdf, const std::vector<MixedCharacter>& characters, float x, float y,
                         float size);

// Draws UTF-8 text that may mix Latin, Chinese and other characters,
// starting at the baseline point (x, y), as SplitMixedText chooses the
// fonts. An empty text draws nothing but still moves the text position.
void ShowMixedText(PDFlib& pdf, const std::string& text, int x, int y, float size);

// Draws "°C" with its unit text starting at (x, y): "C" in the current font
// 2.5 points right of x, then a small raised "o" in Helvetica 5. Leaves
// Helvetica 8 selected.
void ShowDegreeCelsius(PDFlib& pdf, float x, float y);

}  // namespace keld
