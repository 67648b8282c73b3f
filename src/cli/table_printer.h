// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "selection/result_table.h"

namespace keld::cli {

// The columns the result list shows (the model, cooling, heating and
// recovery figures, and the water pressure drop) as an aligned text table
// with one header line of their headings; the hidden columns the datasheet
// reads are left out.
void PrintResultTable(std::ostream& out, const ResultTable& table);

}  // namespace keld::cli
