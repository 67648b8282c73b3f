// SPDX-License-Identifier: MIT
#include "reports/pdflib_staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace keld {
namespace {

// The longest file name the temporary name keeps of the target's, so that
// ".<name>.XXXXXX" stays within the 255 bytes a folder entry allows.
constexpr std::size_t kMaxKeptNameBytes = 200;

// Gives the temporary file the permissions a newly created target would have:
// mkstemp makes it private to the owner.
void ApplyUmask(int fd) {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

bool TargetRefusesWriting(const std::string& targetPath) {
    struct stat status {};
    if (stat(targetPath.c_str(), &status) != 0) return false;  // not there yet: the folder decides
    return S_ISDIR(status.st_mode) || access(targetPath.c_str(), W_OK) != 0;
}

}  // namespace

StagedFile::~StagedFile() { discard(); }

bool StagedFile::create(const std::string& targetPath) {
    discard();
    // A NUL would cut the path short and stage the file somewhere else.
    if (targetPath.empty() || targetPath.back() == '/' || targetPath.find('\0') != std::string::npos ||
        TargetRefusesWriting(targetPath)) {
        return false;
    }

    const std::size_t slash = targetPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : targetPath.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? targetPath : targetPath.substr(slash + 1);
    std::string pattern = folder + "." + name.substr(0, kMaxKeptNameBytes) + ".XXXXXX";

    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = mkstemp(buffer.data());
    if (fd < 0) return false;
    ApplyUmask(fd);
    ::close(fd);

    targetPath_ = targetPath;
    tempPath_ = buffer.data();
    return true;
}

bool StagedFile::commit() {
    if (tempPath_.empty()) return false;
    // The rename must not publish a file whose data is still only in the
    // cache: a crash right after it would leave an empty or torn datasheet.
    const int fd = open(tempPath_.c_str(), O_RDONLY);
    const bool synced = fd >= 0 && fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!synced || std::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
        discard();
        return false;
    }
    tempPath_.clear();
    return true;
}

void StagedFile::discard() {
    if (tempPath_.empty()) return;
    unlink(tempPath_.c_str());
    tempPath_.clear();
}

}  // namespace keld
