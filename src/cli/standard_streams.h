// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld::cli {

// keld-cli gives its answer on standard output and its complaints on
// standard error; a script reads the answer only when the exit code is 0, so
// an answer that was lost must never end with 0.

// To be called before anything else. A standard stream the caller closed
// (`>&-`) would hand its descriptor to the next file the program opens, and
// what keld-cli prints would land in that file, a datasheet for instance:
// each closed one is taken by /dev/null instead. Returns false when standard
// output was closed, as keld-cli then has nowhere to give its answer.
bool GuardStandardStreams();

// Writes out what is still buffered for standard output. Empty when all that
// was printed reached it; else why it did not (a full disk, /dev/full).
std::string FlushStandardOutput();

}  // namespace keld::cli
