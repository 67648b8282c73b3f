// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld {

// A file the program reads and so must never write over: the performance
// database, the pictures a datasheet prints, the schedule being run.
struct InputFile {
    std::string path;
    std::string role;  // what it is, for the message: "the performance database"
};

// The database the session opens and the three pictures in `pictureDirectory`
// (the program's directory, no trailing "/").
std::vector<InputFile> ProgramFiles(const std::string& databasePath, const std::string& pictureDirectory);

// Empty, or why `target` must not be written: it is one of `inputs`, by
// device and inode, so a link or another spelling of the path is caught too
// ("it is the performance database the selection reads"). A target that does
// not exist yet replaces nothing.
std::string OutputOverAnInput(const std::string& target, const std::vector<InputFile>& inputs);

}  // namespace keld
