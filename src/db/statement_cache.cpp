// SPDX-License-Identifier: MIT
#include "db/statement_cache.h"

#include <sqlite3.h>

#include <vector>

namespace keld {

StatementCache::StatementCache(sqlite3* connection, size_t capacity)
    : connection_(connection), capacity_(capacity == 0 ? 1 : capacity) {}

StatementCache::~StatementCache() {
    for (Node& node : nodes_) sqlite3_finalize(node.entry.statement);
}

StatementCache::Entry* StatementCache::Find(const std::string& sql) {
    auto found = bySql_.find(sql);
    if (found != bySql_.end()) {
        nodes_.splice(nodes_.begin(), nodes_, found->second);
        return &found->second->entry;
    }

    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection_, sql.c_str(), static_cast<int>(sql.size()) + 1, &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    if (statement == nullptr) return nullptr;  // only blanks or comments

    if (nodes_.size() >= capacity_) EvictLeastRecentlyUsed();
    nodes_.push_front(Node{sql, Entry{statement, nullptr}});
    RefreshColumns(nodes_.front().entry);
    bySql_.emplace(nodes_.front().sql, nodes_.begin());
    return &nodes_.front().entry;
}

void StatementCache::RefreshColumns(Entry& entry) {
    int count = sqlite3_column_count(entry.statement);
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(entry.statement, i);
        names.emplace_back(name != nullptr ? name : "");
    }
    entry.columns = std::make_shared<const ColumnSet>(std::move(names));
}

void StatementCache::EvictLeastRecentlyUsed() {
    Node& oldest = nodes_.back();
    bySql_.erase(oldest.sql);
    sqlite3_finalize(oldest.entry.statement);
    nodes_.pop_back();
}

}  // namespace keld
