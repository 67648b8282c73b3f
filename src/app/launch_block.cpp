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
    // The whole block mapped, grown to its size first: a block left shorter
    // by another writer would fault where the text is read.
    void* map() const {
        struct stat status {};
        if (::fstat(fd_, &status) != 0) return nullptr;
        if (status.st_size < static_cast<off_t>(kLaunchBlockSize) &&
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

LaunchBlockText ReadLaunchBlock(const std::string& name) {
    BlockHandle block(name);
    if (!block.isOpen()) {
        // Another user's block of our name is no launch of ours.
        if (errno == EACCES) return {};
        return {LaunchBlockText::Status::OpenFailed, {}};
    }
    if (!block.ownedByUs()) return {};

    void* view = block.map();
    if (view == nullptr) return {LaunchBlockText::Status::MapFailed, {}};
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
    return {};
}

}  // namespace keld
