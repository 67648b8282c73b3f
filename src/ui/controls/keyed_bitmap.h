// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>

namespace keld::ui {

// The bitmap with a monochrome mask in which every pixel of exactly
// `transparent` is see-through; any other colour, however close, stays.
// The header buttons key out black, the unit pictures pure red.
QPixmap KeyedBitmap(const QPixmap& bitmap, const QColor& transparent);

}  // namespace keld::ui
