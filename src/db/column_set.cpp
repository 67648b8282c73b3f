// SPDX-License-Identifier: MIT
#include "db/column_set.h"

namespace keld {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::uint32_t CaseFreeHash(std::string_view text) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : text) {
        // Bit 5 set makes every upper-case letter its lower-case one (and
        // folds a few signs onto others, which only share a hash).
        hash ^= static_cast<unsigned char>(c) | 0x20u;
        hash *= 16777619u;
    }
    return hash;
}

bool CaseFreeEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;  // the usual case: the name as the table writes it
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace

ColumnSet::ColumnSet(std::vector<std::string> names)
    : names_(std::move(names)), oatAxis_(OatAxisOfColumns(names_)) {
    // At most half full, so every probe ends at an empty slot soon.
    size_t tableSize = 2;
    while (tableSize < 2 * names_.size()) tableSize *= 2;
    slots_.resize(tableSize);
    for (int i = 0; i < size(); ++i) {
        if (IndexOf(names_[static_cast<size_t>(i)]) >= 0) continue;  // the first of equal names wins
        const std::uint32_t hash = CaseFreeHash(names_[static_cast<size_t>(i)]);
        size_t at = hash & (tableSize - 1);
        while (slots_[at].column >= 0) at = (at + 1) & (tableSize - 1);
        slots_[at] = {hash, i};
    }
}

int ColumnSet::IndexOf(std::string_view name) const {
    const std::uint32_t hash = CaseFreeHash(name);
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask; slots_[at].column >= 0; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.hash == hash && CaseFreeEqual(names_[static_cast<size_t>(slot.column)], name)) {
            return slot.column;
        }
    }
    return -1;
}

}  // namespace keld
