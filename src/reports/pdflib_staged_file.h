// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace keld {

// The output file of one export, written under a temporary name beside its
// target and renamed over the target only when complete. A datasheet that
// fails half-way, or a program that dies while writing, leaves the previous
// file of that name as it was. The PDF writer stages its documents here, and
// keld-cli the results of a schedule.
//
// Only a regular file is ever replaced: a target that exists as a device, a
// FIFO or a socket is refused, so that a mistyped path can never put a PDF
// in place of /dev/null. A symbolic link to a regular file is written
// through (the file it names is replaced, the link stays a link), unless it
// is another user's link in a shared sticky folder such as /tmp, which the
// kernel would not follow either. A replaced file keeps its permission bits,
// but for set-user-id and set-group-id.
class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();  // discards an uncommitted temporary file
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the empty temporary file ".<name>.XXXXXX" in the folder of the
    // file the target names. False, with nothing created and failure() set,
    // when the name is empty, the folder is missing or takes no new file, the
    // target is a folder, a file the user may not write, or no regular file.
    bool create(const std::string& targetPath);
    // The temporary file the document is written to; empty when none is staged.
    const std::string& tempPath() const { return tempPath_; }
    // Appends `size` bytes to the temporary file. A failed write (a full
    // disk, a file-size limit, an I/O error) is kept: this and every later
    // write return false, and commit() refuses with the system's reason.
    bool write(const void* data, std::size_t size);
    // Flushes the temporary file to disk and renames it over the target, only
    // when every write, the flush and the close succeeded. On failure the
    // temporary file is removed, the target left untouched and failure() set.
    bool commit();
    // Removes the temporary file, if any.
    void discard();

    // Removes every temporary file of the process that is not yet committed.
    // Async-signal-safe: for a handler of the signals that end keld-cli, so
    // that an interrupted export leaves nothing beside its target.
    static void RemoveAllStaged() noexcept;

    // Why the last create() or commit() failed: the system's reason ("No such
    // file or directory", "Permission denied", "File name too long") or, for
    // what the system would accept but a datasheet must not replace, ours
    // ("it is a FIFO, not a regular file"). Empty after a success.
    const std::string& failure() const { return failure_; }

private:
    // Where the document goes: the target, or the regular file a symbolic
    // link names; empty (with failure_ set) when it must not be written.
    std::string resolveTarget(const std::string& targetPath);
    bool refuse(std::string reason);
    bool refuseWithErrno(int error);

    std::string targetPath_;  // the file renamed over, links resolved
    std::string tempPath_;
    int fd_ = -1;         // the temporary file, open for writing while staged
    int slot_ = -1;       // its place among the files the signal handler removes
    int writeError_ = 0;  // the system's error of the first failed write
    std::string failure_;
    bool replacesFile_ = false;  // the target exists; its mode is kept
    mode_t keptMode_ = 0;
};

}  // namespace keld
