// SPDX-License-Identifier: MIT
#include "ui/controls/shaded_relief.h"

#include <algorithm>
#include <cstdint>
#include <random>

namespace keld::ui {
namespace {

int Noise(const NoiseSource& source) { return source() / 2047 - 8; }

PaletteColour Mix(PaletteColour from, PaletteColour to, int weightOfTo) {
    const auto channel = [weightOfTo](int a, int b) {
        return static_cast<std::uint8_t>((a * (128 - weightOfTo) + b * weightOfTo) / 128);
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

}  // namespace

NoiseSource UniformNoiseSource(unsigned seed) {
    return [engine = std::minstd_rand(seed), draw = std::uniform_int_distribution<int>(0, 32767)]() mutable {
        return draw(engine);
    };
}

std::array<PaletteColour, 256> ReliefPalette(const ReliefColours& colours) {
    std::array<PaletteColour, 256> palette{};
    for (int h = 0; h <= 128; ++h) palette[h] = Mix(colours.dark, colours.middle, h);
    for (int l = 1; l <= 128; ++l) palette[127 + l] = Mix(colours.middle, colours.light, l);
    return palette;
}

void FillReliefProfile(CCeXDib& bitmap, const NoiseSource& noise) {
    const int height = bitmap.height();
    for (int i = 0; i < height; ++i) {
        const int t = static_cast<int>(std::int64_t{255} * i / height) - 127;
        const int k = ((t * (t * t) / 128) / 128) * 112 / 128 + 128;
        std::uint8_t* pixels = bitmap.row(i);
        for (int j = 0; j < bitmap.width(); ++j) pixels[j] = static_cast<std::uint8_t>(k + Noise(noise));
    }
}

void BevelReliefSides(CCeXDib& bitmap, const NoiseSource& noise) {
    const int width = bitmap.width();
    const int height = bitmap.height();
    const int d = std::min(16, width / 6);
    // 64-bit: y × y × d outgrows an int on a button a few thousand pixels high.
    const std::int64_t a = static_cast<std::int64_t>(height) * height / 4;
    const bool bevelled = d > 0;
    for (int i = 0; i < height; ++i) {
        // A one-row bitmap has a = 0 and its only row at y = 0: no bulge.
        const std::int64_t y = i - height / 2;
        const std::int64_t xs = width / 2 - d + (a > 0 ? y * y * d / a : 0);
        std::uint8_t* pixels = bitmap.row(i);
        for (int j = 0; j < width; ++j) {
            const int x = j - width / 2;
            int pixel = pixels[j];
            if (bevelled && x > xs) pixel = 8 + (width - j) * 128 / d;
            if (bevelled && x + xs < 0) pixel = 247 - j * 128 / d;
            pixels[j] = static_cast<std::uint8_t>(pixel + Noise(noise));
        }
    }
}

CCeXDib ShadedRelief(int width, int height, const ReliefColours& colours, const NoiseSource& noise) {
    CCeXDib relief;
    relief.create(width, height, 8);
    const std::array<PaletteColour, 256> palette = ReliefPalette(colours);
    std::copy(palette.begin(), palette.end(), relief.palette().begin());
    FillReliefProfile(relief, noise);
    BevelReliefSides(relief, noise);
    return relief;
}

ButtonShades BuildButtonShades(int width, int height, const NoiseSource& noise) {
    ButtonShades shades;
    shades.normal = ShadedRelief(width, height, kNormalRelief, noise);
    shades.pressed = shades.normal;
    shades.hover = ShadedRelief(width, height, kHoverRelief, noise);
    shades.hover.blendPalette(kHoverRelief.light, kHoverBlendPercent);
    return shades;
}

}  // namespace keld::ui
