// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "engine/value_pairs.h"
#include "engine/water_flow.h"

namespace keld {

// Turns a flow ratio (actual / nominal flow) into the pressure-drop factor of
// the run's series (PressureDropRatio or PressureDropRatioScrew).
using DropFactor = std::function<double(double flowRatio)>;

// The drops of a two-module unit, "left/right": each module's flow (rounded
// to 4 significant digits) over its nominal flow gives its ratio; a ratio
// above 0.00001 is replaced by its factor, a smaller one used as it is; the
// drop is the nominal drop times that, written with `format` ("%.1f" or
// "%.6f"). A module drop whose text begins with "0" (below 1 kPa) or that
// is not finite shows "-". Factors are looked up left first.
std::string TwoModuleDropText(const ValuePair& nominalDrops, const ValuePair& nominalFlows,
                              const ModuleFlows& moduleFlows, const DropFactor& factor, const char* format);

// The drop of a single-module unit: nominal drop × factor(flow ratio),
// written with `format`; "-" only when it is not finite.
std::string OneModuleDropText(double nominalDrop, double flowRatio, const DropFactor& factor,
                              const char* format);

// The screw runs show their drops to 3 significant digits: each side of a
// "left/right" text that is not "-", or the whole single text, becomes its
// 3-digit form.
std::string ThreeDigitDropText(const std::string& dropText);

}  // namespace keld
