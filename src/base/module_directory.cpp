// SPDX-License-Identifier: MIT
#include "base/module_directory.h"

#include <filesystem>
#include <system_error>

namespace keld {

std::string ModuleDirectory() {
    // The kernel's link names the program file itself, every link on the way
    // to it already followed.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return ".";
    return DirectoryOfProgramFile(program.string());
}

std::string DirectoryOfProgramFile(std::string_view programPath) {
    const std::size_t lastSlash = programPath.rfind('/');
    if (lastSlash == std::string_view::npos) return {};
    return std::string(programPath.substr(0, lastSlash));
}

}  // namespace keld
