// SPDX-License-Identifier: MIT
#pragma once

namespace keld::geometry {

// A4 portrait in points, origin bottom left.
inline constexpr float kPageWidth = 595.0f;
inline constexpr float kPageHeight = 842.0f;

// Every table of the sheet spans x = 50 … 545.
inline constexpr float kTableLeft = 50.0f;
inline constexpr float kTableWidth = 495.0f;
inline constexpr float kTableRight = kTableLeft + kTableWidth;

// Row k of the page grid lies between 762 − k·pitch and 762 − (k−1)·pitch;
// its text stands 5 points above its lower line.
inline constexpr float kGridTop = 762.0f;
inline constexpr float kBaselineAboveLine = 5.0f;
inline constexpr int kRowPitch = 16;

// Three columns on page 1, two in the physical and electrical sections,
// eight in the part-load table.
inline constexpr float kPage1ColumnWidth = kTableWidth / 3;
inline constexpr float kHalfWidth = kTableWidth / 2;
inline constexpr float kPartLoadColumnWidth = kTableWidth / 8;

// Text starts this far right of its column line.
inline constexpr float kTextInset = 2.0f;

}  // namespace keld::geometry
