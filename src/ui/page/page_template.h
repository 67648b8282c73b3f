// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace keld::ui {

// One control of the selection page's template, its place in dialog units.
struct TemplateControl {
    enum class Kind {
        GroupBox,
        Label,        // a caption or a unit beside an edit
        ColumnLabel,  // a caption centred over a column of edits
        EtchedLine,   // vertical, between the cooling and heating columns
        Radio,
        Edit,  // right-aligned, with a border
        FluidList,
        UnitPicture,
        ResultList,
    };
    Kind kind;
    int id;  // the control id; -1 for the captions nothing addresses
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

// The page as its template lays it out, 528 × 280 dialog units: every group
// box with the controls inside it, in tab order. The hidden controls that
// nothing shows or reads are left out.
inline constexpr int kPageWidthUnits = 528;
inline constexpr int kPageHeightUnits = 280;
std::span<const TemplateControl> PageTemplate();

}  // namespace keld::ui
