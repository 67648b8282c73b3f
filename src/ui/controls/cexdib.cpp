// SPDX-License-Identifier: MIT
#include "ui/controls/cexdib.h"

#include <QImage>
#include <QPainter>
#include <stdexcept>

namespace keld::ui {

void CCeXDib::create(int width, int height, int bitsPerPixel) {
    if (width < 0 || height < 0) throw std::invalid_argument("bitmap size must not be negative");
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw std::invalid_argument("bitmap must have 1, 4 or 8 bits per pixel");
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    // 64-bit so that no widget size overflows the padding arithmetic.
    const std::int64_t rowBits = static_cast<std::int64_t>(width) * bitsPerPixel;
    rowStride_ = static_cast<int>((rowBits + 31) / 32 * 4);
    palette_.assign(std::size_t{1} << bitsPerPixel, PaletteColour{});
    bits_.assign(static_cast<std::size_t>(rowStride_) * static_cast<std::size_t>(height), 0);
}

int CCeXDib::pixelIndex(int x, int storedRow) const {
    const std::uint8_t* bytes = row(storedRow);
    if (bitsPerPixel_ == 8) return bytes[x];
    // Smaller pixels are packed from the high bits of each byte down.
    const int bit = x * bitsPerPixel_;
    const int shift = 8 - bitsPerPixel_ - bit % 8;
    return (bytes[bit / 8] >> shift) & ((1 << bitsPerPixel_) - 1);
}

void CCeXDib::blendPalette(PaletteColour colour, int percent) {
    const auto blend = [percent](int channel, int towards) {
        return static_cast<std::uint8_t>((channel * (100 - percent) + towards * percent) / 100);
    };
    for (PaletteColour& entry : palette_) {
        entry = {blend(entry.red, colour.red), blend(entry.green, colour.green),
                 blend(entry.blue, colour.blue)};
    }
}

QImage CCeXDib::toImage() const {
    QImage image(width_, height_, QImage::Format_Indexed8);
    if (image.isNull()) return image;
    QList<QRgb> colours;
    colours.reserve(static_cast<qsizetype>(palette_.size()));
    for (const PaletteColour& entry : palette_) colours.append(qRgb(entry.red, entry.green, entry.blue));
    image.setColorTable(colours);
    for (int y = 0; y < height_; ++y) {
        uchar* line = image.scanLine(y);
        const int storedRow = height_ - 1 - y;
        for (int x = 0; x < width_; ++x) line[x] = static_cast<uchar>(pixelIndex(x, storedRow));
    }
    return image;
}

void CCeXDib::draw(QPainter& painter, int x, int y) const {
    if (width_ == 0 || height_ == 0) return;
    painter.drawImage(x, y, toImage());
}

}  // namespace keld::ui
