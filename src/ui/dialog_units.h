// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>

namespace keld::ui {

// The font every dialog template of the program names: "Arial" 9. Liberation
// Sans has Arial's metrics; 9 points are 12 pixels at the 96 dpi the
// templates were laid out for, so the pixel size is fixed rather than left to
// the screen's resolution.
QFont dialogFont();

// Rounds a·b/c to the nearest integer, halves away from zero, as the original
// platform's MulDiv does; -1 when c is 0.
int mulDiv(int a, int b, int c);

// Dialog-unit to pixel conversion of one dialog font, as the original platform
// maps a template: the base units are the font's line height (vertical) and
// its rounded average character width over "A…Za…z" (horizontal); a dialog
// unit is a quarter of the horizontal and an eighth of the vertical base unit.
class DialogUnits {
public:
    // Measures the base units of `font`.
    explicit DialogUnits(const QFont& font = dialogFont());

    // Base units taken as they are, for the arithmetic alone.
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

    int x(int units) const { return mulDiv(units, baseX_, 4); }
    int y(int units) const { return mulDiv(units, baseY_, 8); }

    // A template rectangle (left, top, width, height in dialog units). The
    // dialog manager converts each of the four numbers on its own, so a
    // control's size does not depend on where it sits.
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    QSize size(int width, int height) const { return {x(width), y(height)}; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace keld::ui
