// SPDX-License-Identifier: MIT
#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace keld {

InstanceLock::InstanceLock(const std::string& path) {
    if (path.empty()) return;
    // Close-on-exec: a PDF viewer started from the program must not inherit
    // the lock and keep the next start out after the program has ended.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
    } else if (errno == EWOULDBLOCK) {
        state_ = State::HeldByAnother;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

namespace {

constexpr const char* kLockName = "KELD_Tow_Norvex";

// $XDG_RUNTIME_DIR when it is an absolute path: the base-directory rules tell
// a program to ignore a relative one.
std::optional<std::filesystem::path> RuntimeDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime != '/') return std::nullopt;
    return std::filesystem::path(runtime);
}

// A folder only this user can enter, inside the shared temporary directory.
// Made 0700 when missing; an existing entry is trusted only when it is a real
// folder (not a link) of this user that nobody else can write into, so that
// no other user can hold or replace the lock file of our copies.
std::optional<std::filesystem::path> PrivateTemporaryFolder() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) base = "/tmp";
    const std::filesystem::path folder = base / ("keld-" + std::to_string(::geteuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) return std::nullopt;
    const bool ours = S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
                      (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    if (!ours) return std::nullopt;
    return folder;
}

}  // namespace

std::string InstanceLockPath() {
    if (const auto runtime = RuntimeDirectory()) return (*runtime / kLockName).string();
    if (const auto folder = PrivateTemporaryFolder()) return (*folder / kLockName).string();
    return {};
}

}  // namespace keld
