// SPDX-License-Identifier: MIT
#pragma once

#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "db/column_set.h"

struct sqlite3;
struct sqlite3_stmt;

namespace keld {

// Prepared statements of one connection, by their SQL text. A selection run
// sends the same few dozen statement texts again and again; preparing each
// once keeps a run well under a millisecond. Reuse changes no result: each
// statement is reset after its rows are read, and the engine prepares a
// statement anew by itself should the schema change. The least recently used
// statements are finalized once `capacity` texts are held, so a long session
// of many different ambients cannot grow without bound.
class StatementCache {
public:
    struct Entry {
        sqlite3_stmt* statement = nullptr;
        std::shared_ptr<const ColumnSet> columns;
        // What the statement's last result held, so that the next one is
        // given its room at once instead of growing to it step by step.
        size_t cellsLastTime = 0;
        size_t textBytesLastTime = 0;
    };

    StatementCache(sqlite3* connection, size_t capacity);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The prepared statement for `sql`, prepared now if it is not held yet.
    // nullptr when the engine refuses the text (its message is then the
    // connection's error message) or the text holds no statement at all.
    Entry* Find(const std::string& sql);

    // Takes the column names anew after the engine re-prepared a statement
    // whose result columns changed.
    static void RefreshColumns(Entry& entry);

private:
    struct Node {
        std::string sql;
        Entry entry;
    };

    void EvictLeastRecentlyUsed();

    sqlite3* connection_;
    size_t capacity_;
    std::list<Node> nodes_;                                                  // most recently used first
    std::unordered_map<std::string_view, std::list<Node>::iterator> bySql_;  // views into nodes_
};

}  // namespace keld
