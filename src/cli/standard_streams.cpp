// SPDX-License-Identifier: MIT
#include "cli/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace keld::cli {
namespace {

bool IsOpen(int fd) { return fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

}  // namespace

bool GuardStandardStreams() {
    const bool outputOpen = IsOpen(STDOUT_FILENO);
    // open() takes the lowest free descriptor, so the closed ones are filled
    // in order, each by its own placeholder.
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (!IsOpen(fd)) open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
    return outputOpen;
}

std::string FlushStandardOutput() {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && std::cout.good() && !std::ferror(stdout)) return "";
    // A write that failed earlier, while the output was still being printed,
    // has left only the stream's error state, not its reason.
    return reason != 0 ? std::strerror(reason) : "the output was cut short";
}

}  // namespace keld::cli
