// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace keld {

// The directory of the running program file, without a trailing "/": the
// base of the database path and of the datasheet's pictures, which lie beside
// the program. Symbolic links to the program are resolved, so a link in
// /usr/local/bin still finds the files beside the real program. "." when the
// system does not tell where the program lies.
std::string ModuleDirectory();

// The directory part of a program file's path, without a trailing "/":
// "/opt/keld/keld" gives "/opt/keld"; a program in the root directory gives ""
// (its database is then "/KELD_Vortan.tbs"), as does a path without any "/".
std::string DirectoryOfProgramFile(std::string_view programPath);

}  // namespace keld
