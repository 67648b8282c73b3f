// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"
#include "reports/report_drawing.h"

namespace keld {

// The series of the marked unit, which chooses the type texts of page 1.
enum class UnitKind { Centrifugal, ScrewChiller, ScrewHeatPump };

UnitKind UnitKindOf(const SelectionConditions& conditions);

// The labels of page 1 in black Helvetica 8, with the texts that name the
// unit's evaporator, condenser, compressor and starter, and the software
// version between the physical and the electrical labels.
void DrawPage1Labels(ReportContext& report, const ReportFonts& fonts);

// The units beside the values (kW, W/W, L/s, °C, kPa, MPa, m²·K/kW, 10⁴ m³/h,
// m, A) and the refrigerant. Leaves Helvetica 8 selected.
void DrawPage1Units(ReportContext& report, const ReportFonts& fonts);

}  // namespace keld
