// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

namespace keld::ui {

// The program's pictures by the resource numbers the windows cite.
// Icons: 128 application, 130 "PDF", 131 "CALC", 145 "About", 147 "Back",
// 148 "Next" (32 × 32, with alpha).
// Bitmaps (opaque): 134 Norvex logo, 136 BREXAL logo, 140/141 minimise away
// from / under the mouse, 143/142 close away from / under the mouse (black is
// their transparent colour); 150 m³/h and 153 m²·K/kW unit pictures (pure red
// is their transparent colour).
// A number without a picture gives a null icon or pixmap.
QIcon IconResource(int number);
QPixmap BitmapResource(int number);

}  // namespace keld::ui
