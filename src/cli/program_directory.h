// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld::cli {

// The directory of the running program (from /proc/self/exe), without a
// trailing slash; "." when the link cannot be read.
std::string ProgramDirectory();

}  // namespace keld::cli
