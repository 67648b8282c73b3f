// SPDX-License-Identifier: MIT
#include "ui/controls/static_color.h"

#include <QPainter>

#include "ui/controls/keyed_bitmap.h"

namespace keld::ui {
namespace {

// The colour of the banner's bottom band; the top band is nearly white.
constexpr QColor kGradientStart{135, 206, 255};

QColor BandColour(int band) {
    const auto channel = [band](int start) {
        return (start * (CStaticColor::kGradientBands - band) + 255 * band) / CStaticColor::kGradientBands;
    };
    return QColor(channel(kGradientStart.red()), channel(kGradientStart.green()),
                  channel(kGradientStart.blue()));
}

}  // namespace

CStaticColor::CStaticColor(QWidget* parent) : QLabel(parent) {}

void CStaticColor::setDrawMode(DrawMode mode) {
    mode_ = mode;
    update();
}

void CStaticColor::setBitmap(const QPixmap& bitmap) {
    bitmap_ = KeyedBitmap(bitmap, QColor(255, 0, 0));
    update();
}

void CStaticColor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (mode_) {
        case DrawMode::Gradient:
            paintGradient(painter);
            break;
        case DrawMode::Bitmap:
            if (!bitmap_.isNull()) {
                painter.drawPixmap((width() - bitmap_.width()) / 2, (height() - bitmap_.height()) / 2,
                                   bitmap_);
            }
            break;
    }
}

void CStaticColor::paintGradient(QPainter& painter) const {
    const int h = height();
    const int bottom = h;  // one past the last row
    for (int band = 0; band < kGradientBands; ++band) {
        const int top = bottom - ((band + 1) * h) / kGradientBands;
        const int end = bottom - (band * h) / kGradientBands;
        painter.fillRect(QRect(0, top, width(), end - top), BandColour(band));
    }
    // A raised inner edge along the bottom side: its shadow line.
    painter.fillRect(QRect(0, h - 1, width(), 1), palette().color(QPalette::Dark));
}

}  // namespace keld::ui
