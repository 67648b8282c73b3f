// SPDX-License-Identifier: MIT
#include "ui/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace keld::ui {

QFont dialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(std::int64_t{c}) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The width of the 52 letters divided by 52, rounded half up in integers
    // the way the platform computes it.
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
}

}  // namespace keld::ui
