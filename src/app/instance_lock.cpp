// SPDX-License-Identifier: MIT
#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace keld {

InstanceLock::InstanceLock(const std::string& path) {
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

std::string InstanceLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path directory;
    if (runtime != nullptr && *runtime != '\0') {
        directory = runtime;
    } else {
        std::error_code error;
        directory = std::filesystem::temp_directory_path(error);
        if (error) directory = "/tmp";
    }
    return (directory / "KELD_Tow_Norvex").string();
}

}  // namespace keld
