// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace keld::cli {

// The name (without folder) of the datasheet of a schedule's duty: its tag
// made safe as a file name, then ".pdf". Folder separators, control
// characters and the characters Windows refuses in a name become "_", blanks
// and dots at either end go (a tag cannot name a hidden file or a folder
// above), and a long tag is cut between two characters to 200 bytes. A tag
// that leaves nothing gives the line number instead ("7.pdf").
std::string DatasheetFileName(const std::string& tag, std::size_t line);

}  // namespace keld::cli
