// SPDX-License-Identifier: MIT
#include "reports/pdflib_staged_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace keld {
namespace {

// The longest file name the temporary name keeps of the target's, so that
// ".<name>.XXXXXX" stays within the 255 bytes a folder entry allows.
constexpr std::size_t kMaxKeptNameBytes = 200;

// The permissions a newly created target would have: mkstemp makes the
// temporary file private to the owner.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

const char* SpecialFileKind(mode_t mode) {
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

// The kernel's rule for links in shared folders such as /tmp (its
// protected_symlinks setting): a link in a sticky folder that every user may
// write into is followed only when it belongs to the follower or to the
// folder's owner. Another user's link there is how a file of ours would be
// replaced by someone else's doing, so the datasheet does not follow it either.
bool FollowedByTheKernel(const std::string& linkPath, const struct stat& link) {
    const std::size_t slash = linkPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : linkPath.substr(0, slash);
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) return false;
    const bool sharedSticky = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
    return !sharedSticky || link.st_uid == geteuid() || link.st_uid == status.st_uid;
}

// The temporary files being written, for the signal handler that removes
// them when keld-cli is interrupted: fixed slots, so that the handler needs
// no allocation and no lock.
constexpr int kStagedSlots = 8;
constexpr std::size_t kSlotBytes = 4096;
char stagedPaths[kStagedSlots][kSlotBytes];
volatile std::sig_atomic_t stagedInUse[kStagedSlots];

// Holds back the signals that end keld-cli for the life of the object.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t ending;
        sigemptyset(&ending);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&ending, signal);
        pthread_sigmask(SIG_BLOCK, &ending, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

int RegisterStaged(const std::string& path) {
    if (path.size() >= kSlotBytes) return -1;
    for (int slot = 0; slot < kStagedSlots; ++slot) {
        if (stagedInUse[slot] != 0) continue;
        std::memcpy(stagedPaths[slot], path.c_str(), path.size() + 1);
        stagedInUse[slot] = 1;
        return slot;
    }
    return -1;
}

void UnregisterStaged(int slot) {
    if (slot >= 0) stagedInUse[slot] = 0;
}

}  // namespace

void StagedFile::RemoveAllStaged() noexcept {
    for (int slot = 0; slot < kStagedSlots; ++slot) {
        if (stagedInUse[slot] != 0) unlink(stagedPaths[slot]);
    }
}

StagedFile::~StagedFile() { discard(); }

bool StagedFile::refuse(std::string reason) {
    failure_ = std::move(reason);
    return false;
}

bool StagedFile::refuseWithErrno(int error) { return refuse(std::strerror(error)); }

std::string StagedFile::resolveTarget(const std::string& targetPath) {
    struct stat entry {};
    if (lstat(targetPath.c_str(), &entry) != 0) {
        // Not there yet: the folder decides whether it can be made.
        if (errno == ENOENT) return targetPath;
        refuseWithErrno(errno);
        return {};
    }

    std::string resolved = targetPath;
    const bool throughLink = S_ISLNK(entry.st_mode);
    if (throughLink && !FollowedByTheKernel(targetPath, entry)) {
        refuse("it is a symbolic link of another user in a folder every user may write into");
        return {};
    }
    if (throughLink) {
        // What the link leads to decides, also where no path names it (a
        // pipe behind /dev/stdout).
        if (stat(targetPath.c_str(), &entry) != 0) {
            if (errno == ENOENT) {
                refuse("it is a symbolic link to a file that does not exist");
            } else {
                refuseWithErrno(errno);
            }
            return {};
        }
        if (!S_ISREG(entry.st_mode) && !S_ISDIR(entry.st_mode)) {
            refuse(std::string("it is a link to ") + SpecialFileKind(entry.st_mode) + ", not a regular file");
            return {};
        }
        char* real = realpath(targetPath.c_str(), nullptr);
        if (real == nullptr) {
            if (errno == ENOENT) {
                refuse("it is a symbolic link to a file that does not exist");
            } else {
                refuseWithErrno(errno);
            }
            return {};
        }
        resolved = real;
        std::free(real);
        if (stat(resolved.c_str(), &entry) != 0) {
            refuseWithErrno(errno);
            return {};
        }
    }

    if (S_ISDIR(entry.st_mode)) {
        refuseWithErrno(EISDIR);
        return {};
    }
    if (!S_ISREG(entry.st_mode)) {
        refuse(std::string(throughLink ? "it is a link to " : "it is ") + SpecialFileKind(entry.st_mode) +
               ", not a regular file");
        return {};
    }
    if (access(resolved.c_str(), W_OK) != 0) {
        refuseWithErrno(errno);
        return {};
    }
    replacesFile_ = true;
    // A datasheet is no program: it never inherits the right to run as
    // another user or group.
    keptMode_ = entry.st_mode & 07777 & ~(S_ISUID | S_ISGID);
    return resolved;
}

bool StagedFile::create(const std::string& targetPath) {
    discard();
    failure_.clear();
    replacesFile_ = false;
    if (targetPath.empty()) return refuse("the file name is empty");
    // A NUL would cut the path short and stage the file somewhere else.
    if (targetPath.find('\0') != std::string::npos) return refuse("the file name holds a NUL character");
    if (targetPath.back() == '/') return refuseWithErrno(EISDIR);

    const std::string target = resolveTarget(targetPath);
    if (target.empty()) return false;

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "." + name.substr(0, kMaxKeptNameBytes) + ".XXXXXX";

    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // The file exists from mkstemp on; a signal before the handler knows of
    // it would leave it behind. The ending signals wait until it is known.
    const SignalsHeld held;
    const int fd = mkstemp(buffer.data());
    if (fd < 0) return refuseWithErrno(errno);
    fchmod(fd, replacesFile_ ? keptMode_ : NewFileMode());

    targetPath_ = target;
    tempPath_ = buffer.data();
    slot_ = RegisterStaged(tempPath_);
    fd_ = fd;
    writeError_ = 0;
    return true;
}

bool StagedFile::write(const void* data, std::size_t size) {
    if (fd_ < 0 || writeError_ != 0) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            writeError_ = errno;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool StagedFile::commit() {
    if (tempPath_.empty()) return false;
    // The rename must not publish a file whose data is still only in the
    // cache, or was never written: a full disk or a crash right after it
    // would leave a torn datasheet in place of the earlier one.
    int error = writeError_;
    if (error == 0 && fsync(fd_) != 0) error = errno;
    // Only the file written here is published, never something put in its
    // place under the temporary name meanwhile.
    struct stat written {
    }, named{};
    const bool replaced = error == 0 && (fstat(fd_, &written) != 0 || lstat(tempPath_.c_str(), &named) != 0 ||
                                         written.st_dev != named.st_dev || written.st_ino != named.st_ino);
    if (::close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    if (replaced) {
        discard();
        return refuse("the file being written was removed or replaced before it was complete");
    }
    if (error == 0 && std::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) error = errno;
    if (error != 0) {
        discard();
        return refuseWithErrno(error);
    }
    UnregisterStaged(slot_);
    slot_ = -1;
    tempPath_.clear();
    failure_.clear();
    return true;
}

void StagedFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (tempPath_.empty()) return;
    // Removed before it leaves the handler's list, so that a signal in
    // between cannot leave it behind.
    unlink(tempPath_.c_str());
    UnregisterStaged(slot_);
    slot_ = -1;
    tempPath_.clear();
}

}  // namespace keld
