// SPDX-License-Identifier: MIT
#include "ui/controls/shade_button_st.h"

#include <QPainter>
#include <utility>

namespace keld::ui {
namespace {

constexpr unsigned kNoiseSeed = 1;
// The hover relief sits one pixel right and down, so the lit button seems to
// rise towards the user.
constexpr QPoint kHoverShift{1, 1};

}  // namespace

CShadeButtonST::CShadeButtonST(QWidget* parent) : CShadeButtonST(QString(), parent) {}

CShadeButtonST::CShadeButtonST(const QString& caption, QWidget* parent)
    : CButtonST(caption, parent), noise_(UniformNoiseSource(kNoiseSeed)) {}

void CShadeButtonST::buildShades() {
    shades_ = BuildButtonShades(width(), height(), noise_);
    update();
}

void CShadeButtonST::setShadeWhenIdle(bool shade) {
    shadeWhenIdle_ = shade;
    update();
}

void CShadeButtonST::setAlwaysHoverLook(bool always) {
    alwaysHoverLook_ = always;
    update();
}

void CShadeButtonST::setNoiseSource(NoiseSource noise) { noise_ = std::move(noise); }

void CShadeButtonST::paintBackground(QPainter& painter, const PaintState& state) {
    if (alwaysHoverLook_ || state.mouseOver) {
        shades_.hover.draw(painter, kHoverShift.x(), kHoverShift.y());
    } else if (shadeWhenIdle_) {
        shades_.normal.draw(painter, 0, 0);
    }
}

}  // namespace keld::ui
