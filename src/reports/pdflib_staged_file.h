// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// The output file of one export, written under a temporary name beside its
// target and renamed over the target only when complete. A datasheet that
// fails half-way, or a program that dies while writing, leaves the previous
// file of that name as it was. Internal to PDFlib.
class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();  // discards an uncommitted temporary file
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the empty temporary file ".<name>.XXXXXX" in the target's folder.
    // False, with nothing created, when the folder is missing or takes no new
    // file, or when the target is a folder or a file the user may not write.
    bool create(const std::string& targetPath);
    // The temporary file to write the document to; empty when none is staged.
    const std::string& tempPath() const { return tempPath_; }
    // Flushes the temporary file to disk and renames it over the target. On
    // failure the temporary file is removed and the target left untouched.
    bool commit();
    // Removes the temporary file, if any.
    void discard();

private:
    std::string targetPath_;
    std::string tempPath_;
};

}  // namespace keld
