// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls/button_st.h"
#include "ui/controls/shaded_relief.h"

namespace keld::ui {

// A CButtonST on a generated shaded background: a blue relief at rest and a
// yellow-orange one, drawn one pixel right and down, under the mouse.
//
// Backgrounds: with always-hover-look, the hover relief; else with
// shade-when-idle off (the header's command buttons), nothing at rest, so the
// banner shows, and the hover relief under the mouse; else the hover relief
// under the mouse and the normal relief at rest.
//
// The reliefs are made for the size the button has when buildShades() runs.
class CShadeButtonST : public CButtonST {
    Q_OBJECT
public:
    explicit CShadeButtonST(QWidget* parent = nullptr);
    explicit CShadeButtonST(const QString& caption, QWidget* parent = nullptr);

    // Makes the normal, pressed and hover reliefs for the current size.
    void buildShades();

    // On by default.
    void setShadeWhenIdle(bool shade);
    bool shadesWhenIdle() const { return shadeWhenIdle_; }
    // Off by default.
    void setAlwaysHoverLook(bool always);
    bool hasAlwaysHoverLook() const { return alwaysHoverLook_; }

    // The grain of the reliefs built from now on (a uniform source unless
    // replaced).
    void setNoiseSource(NoiseSource noise);

protected:
    void paintBackground(QPainter& painter, const PaintState& state) override;

private:
    bool shadeWhenIdle_ = true;
    bool alwaysHoverLook_ = false;
    NoiseSource noise_;
    ButtonShades shades_;
};

}  // namespace keld::ui
