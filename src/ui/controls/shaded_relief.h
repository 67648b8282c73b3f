// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>

#include "ui/controls/cexdib.h"

namespace keld::ui {

// The three colours of a shaded relief: light (A, the brightest palette
// entry), middle (B, entry 128) and dark (C, entry 0).
struct ReliefColours {
    PaletteColour light;
    PaletteColour middle;
    PaletteColour dark;
};

// The header buttons' relief at rest (blue) and under the mouse (yellow-orange).
inline constexpr ReliefColours kNormalRelief{{191, 239, 255}, {135, 206, 255}, {30, 144, 255}};
inline constexpr ReliefColours kHoverRelief{{255, 255, 145}, {255, 210, 120}, {255, 188, 97}};
// The hover relief's palette is moved this far towards its light colour.
inline constexpr int kHoverBlendPercent = 10;

// Random values 0 … 32767, as the C library's rand() gives them. Each call is
// one draw; the relief turns a draw r into the noise r / 2047 − 8 (−8 … 8).
using NoiseSource = std::function<int()>;

// A uniform source over 0 … 32767 from a fixed seed, so that a button of a
// given size always gets the same grain.
NoiseSource UniformNoiseSource(unsigned seed);

// Palette of 256 entries: dark to middle over entries 0 … 128, then middle to
// light over 128 … 255 (the second ramp overwrites entry 128), in integer
// arithmetic per channel.
std::array<PaletteColour, 256> ReliefPalette(const ReliefColours& colours);

// Vertical profile: every pixel of stored row i (0 = bottom) of an H-row
// bitmap becomes k + n, with t = 255 × i / H − 127 and
// k = ((t × t × t / 128) / 128) × 112 / 128 + 128, a cubic curve that is dark
// at the bottom and light at the top. One draw per pixel.
void FillReliefProfile(CCeXDib& bitmap, const NoiseSource& noise);

// Bevelled sides: pixels beyond a curve that bulges in at mid height become a
// light left side and a dark right side, d = min(16, W / 6) pixels wide; then
// noise is added to every pixel, bevelled or not. One draw per pixel.
// A bitmap less than 6 pixels wide has no sides to bevel: only the noise is
// added.
void BevelReliefSides(CCeXDib& bitmap, const NoiseSource& noise);

// An 8-bit relief of width × height pixels in the given colours: palette,
// profile, then bevels.
CCeXDib ShadedRelief(int width, int height, const ReliefColours& colours, const NoiseSource& noise);

// The three backgrounds of a shaded button of a given size.
struct ButtonShades {
    CCeXDib normal;
    CCeXDib pressed;  // a copy of normal; kept, never drawn
    CCeXDib hover;    // kHoverRelief with its palette blended kHoverBlendPercent towards its light colour
};
ButtonShades BuildButtonShades(int width, int height, const NoiseSource& noise);

}  // namespace keld::ui
