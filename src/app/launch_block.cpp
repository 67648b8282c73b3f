// SPDX-License-Identifier: MIT
#include "app/launch_block.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace keld {
namespace {

// An open block, closed on every way out.
class BlockHandle {
public:
    explicit BlockHandle(const std::string& name) : fd_(::shm_open(name.c_str(), O_RDWR | O_CREAT, 0600)) {}
    ~BlockHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    BlockHandle(const BlockHandle&) = delete;
    BlockHandle& operator=(const BlockHandle&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool ownedByUs() const {
        struct stat status {};
        return ::fstat(fd_, &status) == 0 && status.st_uid == ::geteuid();
    }
    bool stamp() const { return ::futimens(fd_, nullptr) == 0; }
    // The whole block mapped, cut or grown to its size first: a block left
    // shorter by another writer would fault where the text is read, and the
    // program reads only a block of exactly its size.
    void* map() const {
        struct stat status {};
        if (::fstat(fd_, &status) != 0) return nullptr;
        if (status.st_size != static_cast<off_t>(kLaunchBlockSize) &&
            ::ftruncate(fd_, kLaunchBlockSize) != 0) {
            return nullptr;
        }
        void* view = ::mmap(nullptr, kLaunchBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
        return view == MAP_FAILED ? nullptr : view;
    }

private:
    int fd_;
};

}  // namespace

std::string LaunchBlockName() { return "/KELD2_COMMUNICATION." + std::to_string(::geteuid()); }

LaunchBlockText ReadLaunchBlock(const std::string& name, std::chrono::system_clock::time_point now) {
    // Never created here: a start without a launcher simply finds no block.
    // Non-blocking, so that a FIFO planted under the name cannot hold the start.
    const int fd = ::shm_open(name.c_str(), O_RDONLY | O_NONBLOCK, 0);
    if (fd < 0) {
        // Missing, or something of ours cannot be under the name (another
        // user's file, a folder, a link, a device): no launch of ours.
        switch (errno) {
            case ENOENT:
            case EACCES:
            case EPERM:
            case EISDIR:
            case ELOOP:
            case ENXIO:
            case ENODEV:
                return {};
            default:
                return {LaunchBlockText::Status::OpenFailed, {}};
        }
    }
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    const bool ourBlock = statted && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
                          status.st_size == static_cast<off_t>(kLaunchBlockSize);
    if (!ourBlock) {
        ::close(fd);
        return {};
    }
    // A block left by a launch that never reached a program (the launcher
    // crashed before it could start one) must not brand this plain start.
    const auto written =
        std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
    if (now - written > kLaunchBlockLifetime) {
        ::close(fd);
        ::shm_unlink(name.c_str());
        return {};
    }

    void* view = ::mmap(nullptr, kLaunchBlockSize, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (view == MAP_FAILED) return {LaunchBlockText::Status::MapFailed, {}};
    const char* bytes = static_cast<const char*>(view);
    LaunchBlockText result;
    result.text.assign(bytes, ::strnlen(bytes, kLaunchBlockSize));
    ::munmap(view, kLaunchBlockSize);
    ::shm_unlink(name.c_str());
    return result;
}

void DiscardLaunchBlock(const std::string& name) {
    const int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd < 0) return;
    struct stat status {};
    const bool ours = ::fstat(fd, &status) == 0 && status.st_uid == ::geteuid();
    ::close(fd);
    if (ours) ::shm_unlink(name.c_str());
}

std::string WriteLaunchBlock(const std::string& name, std::string_view text) {
    if (text.size() > kLaunchTextMaxBytes) {
        return "the launch text has " + std::to_string(text.size()) + " bytes; the block holds at most " +
               std::to_string(kLaunchTextMaxBytes);
    }
    BlockHandle block(name);
    if (!block.isOpen()) return std::string("cannot open the launch block: ") + std::strerror(errno);
    if (!block.ownedByUs()) return "the launch block " + name + " belongs to another user";
    void* view = block.map();
    if (view == nullptr) return std::string("cannot map the launch block: ") + std::strerror(errno);
    std::memset(view, 0, kLaunchBlockSize);
    std::memcpy(view, text.data(), text.size());
    ::munmap(view, kLaunchBlockSize);
    // The time of this launch, which the program checks the block against;
    // writes through a mapping need not move it.
    if (!block.stamp()) return std::string("cannot date the launch block: ") + std::strerror(errno);
    return {};
}

}  // namespace keld
