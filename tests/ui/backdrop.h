// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace keld::ui::test {

// A plain window of one colour: the parent whose pixels a transparent control
// must let through.
class Backdrop : public QWidget {
public:
    explicit Backdrop(const QColor& colour, QSize size = QSize(120, 100)) {
        QPalette window = palette();
        window.setColor(QPalette::Window, colour);
        setPalette(window);
        setAutoFillBackground(true);
        resize(size);
    }
};

// Noise sources for the reliefs: a draw of 8 × 2047 is noise 0.
inline int NoNoise() { return 8 * 2047; }

}  // namespace keld::ui::test
