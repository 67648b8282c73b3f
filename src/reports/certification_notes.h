// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "reports/report_context.h"

namespace keld {

// Whether a stored model name is built from more than one module; the AHRI
// programme does not cover such combined units.
bool IsCombinedUnit(const std::string& storedName);

// The "Note" section of page 1: states whether the marked unit is certified
// under the AHRI air-cooled chiller programme, outside its scope, or a
// combined unit, from its series, the run's ambient and leaving water, the
// fluid and the brand. A certified unit gets the AHRI logo and sets
// AhriCertifiedFlag; a combined unit or a centrifugal unit out of scope
// clears it; a screw unit out of scope, or a name of no known series, leaves
// it as it is. Expects Helvetica 8 and black fill selected. Writer errors
// (a missing "AHRI.jpg" among them) propagate as PDFlib::Exception.
void DrawCertificationNotes(ReportContext& report);

}  // namespace keld
