// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

class QImage;
class QPainter;

namespace keld::ui {

struct PaletteColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

// A palette bitmap of 1, 4 or 8 bits per pixel (2, 16 or 256 palette
// entries), the store of a shaded button background. The pixel rows are kept
// bottom-up, row 0 being the bottom row on screen, each padded to a multiple
// of 4 bytes: the relief arithmetic counts its rows from the bottom.
class CCeXDib {
public:
    // An empty bitmap (0 × 0) until create().
    CCeXDib() = default;

    // Makes a bitmap of width × height pixels, every pixel index 0 and every
    // palette entry black. Raises std::invalid_argument for a negative size
    // or bits per pixel other than 1, 4 or 8.
    void create(int width, int height, int bitsPerPixel);

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    // Bytes of one stored row, padding included.
    int rowStride() const { return rowStride_; }

    std::vector<PaletteColour>& palette() { return palette_; }
    const std::vector<PaletteColour>& palette() const { return palette_; }

    // The bytes of stored row `row` (0 = bottom row); the row must exist.
    std::uint8_t* row(int row) { return bits_.data() + static_cast<std::size_t>(row) * rowStride_; }
    const std::uint8_t* row(int row) const {
        return bits_.data() + static_cast<std::size_t>(row) * rowStride_;
    }
    // The palette index of the pixel at column x of stored row `row`.
    int pixelIndex(int x, int row) const;

    // Moves every palette entry `percent` per cent of the way towards
    // `colour`, per channel (channel × (100 − p) + colour × p) / 100.
    void blendPalette(PaletteColour colour, int percent);

    // The bitmap as an indexed image, top row first, one pixel to one pixel.
    QImage toImage() const;
    // Draws the bitmap with its top-left corner at (x, y), one to one.
    void draw(QPainter& painter, int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 8;
    int rowStride_ = 0;
    std::vector<PaletteColour> palette_;
    std::vector<std::uint8_t> bits_;
};

}  // namespace keld::ui
