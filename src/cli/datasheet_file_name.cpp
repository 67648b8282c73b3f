// SPDX-License-Identifier: MIT
#include "cli/datasheet_file_name.h"

#include <string_view>

namespace keld::cli {
namespace {

// Room for ".pdf" and a "-LINE" that tells two equal tags apart, within the
// 255 bytes a folder entry allows.
constexpr std::size_t kMaxNameBytes = 200;

bool IsRefused(unsigned char c) {
    return c < 0x20 || c == 0x7f ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string DatasheetFileName(const std::string& tag, std::size_t line) {
    std::string name;
    for (char c : tag) name += IsRefused(static_cast<unsigned char>(c)) ? '_' : c;
    if (name.size() > kMaxNameBytes) {
        std::size_t end = kMaxNameBytes;
        while (end > 0 && IsContinuationByte(name[end])) --end;
        name.resize(end);
    }
    const std::size_t first = name.find_first_not_of(" .");
    name = first == std::string::npos ? std::string()
                                      : name.substr(first, name.find_last_not_of(" .") - first + 1);
    return (name.empty() ? std::to_string(line) : name) + ".pdf";
}

}  // namespace keld::cli
