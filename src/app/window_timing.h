// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// For the benchmark script bench/window_timing.py only: when the environment
// holds KELD_MEASURE_WINDOW, the program prints the moment its window was
// first painted (CLOCK_MONOTONIC, seconds), how long CALC on the page's
// defaults took until the list's rows were painted and how long the
// performance map of the first row took from the request until its charts
// were painted, then ends at once. The script compares the first figure with
// the moment it started the process.
void MeasureWindowIfAsked();

}  // namespace keld
