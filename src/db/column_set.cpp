// SPDX-License-Identifier: MIT
#include "db/column_set.h"

namespace keld {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

ColumnSet::ColumnSet(std::vector<std::string> names)
    : names_(std::move(names)), oatAxis_(OatAxisOfColumns(names_)) {
    for (int i = 0; i < size(); ++i) indexByName_.emplace(names_[static_cast<size_t>(i)], i);  // first wins
}

int ColumnSet::IndexOf(std::string_view name) const {
    auto found = indexByName_.find(name);
    return found == indexByName_.end() ? -1 : found->second;
}

size_t ColumnSet::CaseFreeHash::operator()(std::string_view text) const {
    size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : text) {
        // Bit 5 set makes every upper-case letter its lower-case one (and
        // folds a few signs onto others, which only share a hash).
        hash ^= static_cast<unsigned char>(c) | 0x20u;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ColumnSet::CaseFreeEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    if (a == b) return true;  // the usual case: the name as the table writes it
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace keld
