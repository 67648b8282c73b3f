// SPDX-License-Identifier: MIT
#include "cli/program_directory.h"

#include <filesystem>
#include <system_error>

namespace keld::cli {

std::string ProgramDirectory() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) return ".";
    return program.parent_path().string();
}

}  // namespace keld::cli
