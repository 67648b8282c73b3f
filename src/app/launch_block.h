// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace keld {

// The launch block: a 256-byte shared-memory block in which the launcher
// leaves the launch text (two switch digits and the brand word, UTF-8, at
// most 255 bytes and a NUL) before it starts the program.
inline constexpr std::size_t kLaunchBlockSize = 256;
inline constexpr std::size_t kLaunchTextMaxBytes = kLaunchBlockSize - 1;

// "/KELD2_COMMUNICATION.<user id>": each user of a shared machine has a block
// of their own, as each desktop session had on the original platform.
std::string LaunchBlockName();

struct LaunchBlockText {
    enum class Status {
        Read,        // `text` holds the launch text ("" when no launcher wrote one)
        OpenFailed,  // the block can be neither created nor opened
        MapFailed,   // the block cannot be sized or mapped
    };
    Status status = Status::Read;
    std::string text;
};

// How long after the launcher wrote it a block still belongs to the launch
// it was written for; the launcher starts the program at once.
inline constexpr std::chrono::seconds kLaunchBlockLifetime{10};

// Start-up's reading of the block: takes the text up to its NUL (never beyond
// the 256 bytes) and removes the block, so that a stale text never reaches a
// later start. Only the user's own regular block of exactly 256 bytes, written
// at most kLaunchBlockLifetime before `now`, is a launch text; anything else
// under the name (none, another user's, a folder, FIFO or link, another size)
// means a start without a launcher, and a stale block of ours is removed.
// OpenFailed and MapFailed are left for the system refusing a block of ours.
LaunchBlockText ReadLaunchBlock(const std::string& name,
                                std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// Removes the block unread, for a start that ends before it reads it.
void DiscardLaunchBlock(const std::string& name);

// The launcher's side: creates or reuses the block (mode 0600), clears it and
// writes `text` with its NUL. Returns "" when done, else what failed; a text
// of more than 255 bytes, or a block of another user, is refused.
std::string WriteLaunchBlock(const std::string& name, std::string_view text);

}  // namespace keld
