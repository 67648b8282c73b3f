// SPDX-License-Identifier: MIT
#include "ui/controls/keyed_bitmap.h"

#include <QBitmap>

namespace keld::ui {

QPixmap KeyedBitmap(const QPixmap& bitmap, const QColor& transparent) {
    if (bitmap.isNull()) return bitmap;
    QPixmap keyed = bitmap;
    keyed.setMask(keyed.createMaskFromColor(transparent, Qt::MaskInColor));
    return keyed;
}

}  // namespace keld::ui
