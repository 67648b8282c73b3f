// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include "ui/dialog_units.h"

namespace keld::ui {

// Template 102 of the main window: control ids and their places in dialog
// units (left, top, width, height) within the window's client area.
inline constexpr QSize kWindowSize{483, 336};
// The thin border of the borderless window, in pixels, around the client area.
inline constexpr int kBorder = 1;

inline constexpr int kBannerId = 1028;
inline constexpr int kLogoId = 1023;
inline constexpr int kTitleId = 1029;
inline constexpr int kPictureId = 1024;
inline constexpr int kMinimiseId = 1025;
inline constexpr int kCloseId = 1027;
inline constexpr int kBackId = 1026;
inline constexpr int kNextId = 1031;
inline constexpr int kCalcId = 1019;
inline constexpr int kPdfId = 1021;
inline constexpr int kAboutId = 1030;
inline constexpr int kPageFrameId = 1033;

inline constexpr QRect kBannerRect{0, 0, 483, 68};
inline constexpr QRect kLogoRect{7, 0, 106, 35};
inline constexpr QRect kTitleRect{119, 12, 231, 24};
inline constexpr QRect kPictureRect{358, 18, 87, 40};
inline constexpr QRect kMinimiseRect{446, 0, 15, 10};
inline constexpr QRect kCloseRect{458, 0, 25, 10};
inline constexpr QRect kPageFrameRect{0, 67, 483, 269};

// The five command buttons, left to right, with their captions and icons.
struct CommandButton {
    int id;
    const char* caption;
    int icon;
    QRect rect;
};
inline constexpr CommandButton kCommandButtons[] = {
    {kBackId, "Back", 147, {8, 39, 27, 28}},     {kNextId, "Next", 148, {40, 39, 27, 28}},
    {kCalcId, "CALC", 131, {71, 39, 27, 28}},    {kPdfId, "PDF", 130, {103, 39, 27, 28}},
    {kAboutId, "About", 145, {134, 39, 27, 28}},
};

inline constexpr int kApplicationIcon = 128;
inline constexpr int kFirstBrandLogo = 134;
inline constexpr int kSecondBrandLogo = 136;
inline constexpr int kMinimiseOut = 140;
inline constexpr int kMinimiseIn = 141;
inline constexpr int kCloseIn = 142;
inline constexpr int kCloseOut = 143;

// The window's background.
inline constexpr QColor kBackgroundColour{176, 226, 255};

// A template rectangle in pixels within the window, inside its border.
inline QRect clientRect(const DialogUnits& units, const QRect& templateRect) {
    return units.rect(templateRect.x(), templateRect.y(), templateRect.width(), templateRect.height())
        .translated(kBorder, kBorder);
}

}  // namespace keld::ui
