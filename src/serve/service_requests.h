// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "reports/datasheet_inputs.h"
#include "session/page_options.h"
#include "session/performance_map.h"
#include "session/selection_json.h"

namespace keld::serve {

// The bodies of the service's JSON routes. Each raises BadRequest (400)
// naming the member at fault for a body that is not one JSON object, a
// member no route option names, a value of the wrong type, a value or
// combination keld-cli refuses, and a "database" member: the service
// selects on its own database, never on a file a request names.

// The body as a JSON object.
Json JsonBody(std::string_view body);

// The launch text and the page options of a selection, as `select` takes
// them: {"launch": "14BREXAL", "compressor": "screw", "ambient": 35, …}.
PageOptions SelectRequest(const Json& body);

// A datasheet: the selection's options, "model" (required) and the header
// texts "project", "customer", "distributor" and "tag".
struct DatasheetRequest {
    PageOptions page;
    std::string model;
    ProjectTexts texts;
};
DatasheetRequest DatasheetRequestFrom(const Json& body);

// A performance map: the duty's options and "model" (required); "ambient",
// "outlet", "heating-ambient" and "heating-outlet" take a range
// "FROM:TO:STEP" when their text holds a colon, else the duty's own value.
MapRequest MapRequestFrom(const Json& body);

// The member a UsageError of the page options is about, without its
// dashes; empty when it names none.
std::string FieldOf(const std::string& errorOption, const std::string& errorText);

}  // namespace keld::serve
