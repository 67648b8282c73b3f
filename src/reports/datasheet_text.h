// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace keld {

// Replaces every occurrence of `from` in `text` by `to`.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

bool Contains(std::string_view text, std::string_view part);

// The stored (first-brand) name of a model shown in the result list. For
// BREXAL the shown prefixes WOTA, WOH and WOQ go back to QTK, QHK and QSK and
// the appended "E" of the screw names is dropped; Norvex names pass unchanged.
std::string CanonicalModelName(std::string shownName, bool secondBrand);

// A model name ready to stand between the single quotes of a statement: every
// single quote doubled, so that no name can end the literal early.
std::string EscapeSqlQuotes(std::string_view name);

// One or two water pressure drops (kPa) as printed: each to three significant
// figures, a two-module "a/b" as two values joined by "/", a "-" part kept.
std::string PressureDropText(std::string_view text);

}  // namespace keld
