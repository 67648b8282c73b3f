// SPDX-License-Identifier: MIT
#include "db/performance_database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "db/cipher_settings.h"
#include "db/recordset_writer.h"
#include "db/statement_cache.h"

namespace keld {
namespace {

// A run sends about a hundred distinct texts; this keeps those of several
// runs at different conditions, in a few hundred kilobytes.
constexpr size_t kCachedStatements = 512;

// Page cache: the file plus room for the engine's own pages, at most 1 GiB.
constexpr long long kCacheSlackKibibytes = 2048;
constexpr long long kLargestCacheKibibytes = 1024 * 1024;

std::string QuotedLiteral(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

// The first value of a one-column query ("" for no row), or the engine's error.
int QueryFirstText(sqlite3* db, const char* sql, std::string& answer) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
        answer.clear();
        if (rc == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 0);
            if (text != nullptr) answer = reinterpret_cast<const char*>(text);
        }
        if (rc == SQLITE_ROW || rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return rc;
}

// "" when `path` names a regular file (or a link to one), with its size;
// otherwise why it cannot be the database. Opening a pipe would wait for a
// writer forever and a folder gives only "disk I/O error", so neither is
// ever handed to the engine.
std::string RefuseWhatIsNoFile(const std::string& path, long long& size) {
    if (path.empty()) return "No performance database was named: the path is empty.";
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return FormatText("Could not find the performance database \"%s\".", path.c_str());
        }
        return FormatText("Cannot open the performance database \"%s\" (%s).", path.c_str(),
                          std::strerror(errno));
    }
    const char* kind = nullptr;
    if (S_ISDIR(status.st_mode)) {
        kind = "a folder";
    } else if (S_ISFIFO(status.st_mode)) {
        kind = "a pipe (FIFO)";
    } else if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
        kind = "a device";
    } else if (S_ISSOCK(status.st_mode)) {
        kind = "a socket";
    } else if (!S_ISREG(status.st_mode)) {
        kind = "no regular file";
    }
    if (kind != nullptr) {
        return FormatText("The performance database \"%s\" is %s, not a file.", path.c_str(), kind);
    }
    size = static_cast<long long>(status.st_size);
    return {};
}

std::string OpenFailure(const std::string& path, int rc, sqlite3* db) {
    const char* engineText = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    switch (rc & 0xFF) {
        case SQLITE_CANTOPEN: {
            std::error_code ignored;
            if (!std::filesystem::exists(path, ignored)) {
                return FormatText("Could not find the performance database \"%s\".", path.c_str());
            }
            break;
        }
        case SQLITE_NOTADB:
            return FormatText(
                "The file \"%s\" is not the performance database, or its password does not match (%s).",
                path.c_str(), engineText);
        case SQLITE_CORRUPT:
            return FormatText("The performance database \"%s\" is damaged (%s).", path.c_str(), engineText);
        default:
            break;
    }
    return FormatText("Cannot open the performance database \"%s\" (%s).", path.c_str(), engineText);
}

void StoreCell(sqlite3_stmt* statement, int column, RecordsetWriter::Result& result) {
    using Kind = RecordsetWriter::Cell::Kind;
    RecordsetWriter::Cell& cell = result.cells.emplace_back();
    const int type = sqlite3_column_type(statement, column);
    switch (type) {
        case SQLITE_INTEGER:
            cell.kind = Kind::Integer;
            cell.integer = sqlite3_column_int64(statement, column);
            return;
        case SQLITE_FLOAT:
            cell.kind = Kind::Real;
            cell.real = sqlite3_column_double(statement, column);
            return;
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const bool text = type == SQLITE_TEXT;
            const void* bytes = text ? static_cast<const void*>(sqlite3_column_text(statement, column))
                                     : sqlite3_column_blob(statement, column);
            int size = sqlite3_column_bytes(statement, column);
            cell.kind = text ? Kind::Text : Kind::Blob;
            cell.textOffset = static_cast<std::uint32_t>(result.text.size());
            if (bytes != nullptr && size > 0) {
                result.text.append(static_cast<const char*>(bytes), static_cast<size_t>(size));
                cell.textSize = static_cast<std::uint32_t>(size);
            }
            return;
        }
        default:
            cell.kind = Kind::Null;
            return;
    }
}

// The columns whose cells a result keeps, in the order of its cells; every
// column when `readColumns` is null.
void ChooseColumns(const std::initializer_list<std::string_view>* readColumns,
                   RecordsetWriter::Result& result, std::vector<int>& columnsRead) {
    const int columns = result.columns->size();
    columnsRead.clear();
    if (readColumns == nullptr) {
        for (int column = 0; column < columns; ++column) columnsRead.push_back(column);
        result.width = columns;
        return;
    }
    result.slotOfColumn.assign(static_cast<size_t>(columns), -1);
    for (std::string_view name : *readColumns) {
        int column = result.columns->IndexOf(name);
        if (column < 0 || result.slotOfColumn[static_cast<size_t>(column)] >= 0) continue;
        result.slotOfColumn[static_cast<size_t>(column)] = static_cast<int>(columnsRead.size());
        columnsRead.push_back(column);
    }
    result.width = static_cast<int>(columnsRead.size());
}

// Steps the statement to its end into `result`; SQLITE_DONE when all rows
// were read.
int ReadRows(StatementCache::Entry& entry, const std::initializer_list<std::string_view>* readColumns,
             std::vector<int>& columnsRead, RecordsetWriter::Result& result) {
    sqlite3_stmt* statement = entry.statement;
    int rc = sqlite3_step(statement);
    // The first step is where the engine re-prepares after a schema change.
    if (sqlite3_column_count(statement) != entry.columns->size()) StatementCache::RefreshColumns(entry);
    result.columns = entry.columns;
    ChooseColumns(readColumns, result, columnsRead);
    result.cells.reserve(entry.cellsLastTime);
    result.text.reserve(entry.textBytesLastTime);
    int rows = 0;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(statement), ++rows) {
        for (int column : columnsRead) StoreCell(statement, column, result);
        // Cells find their bytes by 32-bit offsets.
        if (result.text.size() > UINT32_MAX) return SQLITE_TOOBIG;
    }
    result.rowCount = rows;
    entry.cellsLastTime = result.cells.size();
    entry.textBytesLastTime = result.text.size();
    return rc;
}

}  // namespace

std::string DatabasePathIn(const std::string& moduleDirectory) {
    return moduleDirectory + "/" + kDatabaseFileName;
}

// The engine handle is declared before the statement cache so that it is
// closed only after every cached statement has been finalized.
struct PerformanceDatabase::Connection {
    struct Handle {
        ~Handle() { sqlite3_close(db); }
        sqlite3* db;
    };

    explicit Connection(sqlite3* db) : handle{db}, statements(db, kCachedStatements) {}

    Handle handle;
    StatementCache statements;
    std::vector<int> columnsRead;  // kept between statements, to spare an allocation each
};

PerformanceDatabase::PerformanceDatabase(MessageSink& messages) : messages_(messages) {}

PerformanceDatabase::~PerformanceDatabase() = default;

bool PerformanceDatabase::OpenDatabase(const std::string& path) {
    rowsKeptByKey_.clear();
    connection_.reset();
    std::string failure = Connect(path);
    if (!failure.empty()) {
        connection_.reset();
        messages_.show(failure, kApplicationTitle);
        return false;
    }
    return true;
}

std::string PerformanceDatabase::Connect(const std::string& path) {
    long long fileSize = 0;
    std::string refusal = RefuseWhatIsNoFile(path, fileSize);
    if (!refusal.empty()) return refusal;

    // Read-only and without SQLITE_OPEN_CREATE: a missing file stays missing,
    // and no statement can change the file.
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    connection_ = std::make_unique<Connection>(db);  // closes the handle on every path
    if (rc != SQLITE_OK) return OpenFailure(path, rc, db);

    std::string key = "PRAGMA key = " + QuotedLiteral(kDatabasePassword) + ";";
    rc = sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, kCipherSettings, nullptr, nullptr, nullptr);
    // The whole file fits the page cache (up to a limit no catalogue comes
    // near): a run scans the unit tables, and a cache smaller than they are
    // would read and decrypt them anew at every run.
    const long long cacheKibibytes = std::min(fileSize / 1024 + kCacheSlackKibibytes, kLargestCacheKibibytes);
    const std::string cacheSize = FormatText("PRAGMA cache_size = -%lld;", cacheKibibytes);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, cacheSize.c_str(), nullptr, nullptr, nullptr);
    // Keep the shared lock from the first read to the end: without it every
    // statement locks, unlocks and re-checks the file, a dozen system calls
    // that made up most of a selection run's time. Nothing can then change
    // the file under a running selection.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return OpenFailure(path, rc, db);

    // Reading the schema decrypts and authenticates the first pages: a wrong
    // password, a file of another kind or a damaged schema shows here. Every
    // other page is authenticated whenever a statement reads it, so a
    // damaged page fails that statement and never gives a figure; checking
    // them all here would cost time in proportion to the catalogue.
    std::string tables;
    rc = QueryFirstText(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table'", tables);
    std::string pages;
    std::string pageSize;
    if (rc == SQLITE_OK) rc = QueryFirstText(db, "PRAGMA page_count", pages);
    if (rc == SQLITE_OK) rc = QueryFirstText(db, "PRAGMA page_size", pageSize);
    if (rc != SQLITE_OK) return OpenFailure(path, rc, db);
    // A file cut short, even inside its last page, or grown: its length is
    // not the pages its header counts.
    const long long expectedSize = std::atoll(pages.c_str()) * std::atoll(pageSize.c_str());
    if (fileSize != expectedSize) {
        return FormatText(
            "The performance database \"%s\" is damaged (the file holds %lld bytes, its pages %lld).",
            path.c_str(), fileSize, expectedSize);
    }
    // An empty file reads as a database without tables.
    if (tables == "0") return FormatText("The performance database \"%s\" holds no tables.", path.c_str());
    return {};
}

void PerformanceDatabase::OpenRecordset(Recordset& target, const std::string& sql) {
    RunStatement(target, sql, nullptr);
}

void PerformanceDatabase::OpenRecordset(Recordset& target, const std::string& sql,
                                        std::initializer_list<std::string_view> readColumns) {
    RunStatement(target, sql, &readColumns);
}

const Recordset* PerformanceDatabase::RowsKeptFor(std::string_view runKey) const {
    if (runKey.empty()) return nullptr;
    const auto kept = rowsKeptByKey_.find(runKey);
    return kept != rowsKeptByKey_.end() ? &kept->second : nullptr;
}

void PerformanceDatabase::OpenRecordsetKept(Recordset& target, const std::string& sql,
                                            std::string_view runKey) {
    OpenRecordset(target, sql);
    if (runScopes_ > 0 && !runKey.empty() && RecordsetWriter::Held(target)) {
        rowsKeptByKey_.emplace(runKey, target);
    }
}

void PerformanceDatabase::OpenRecordsetKeptAt(Recordset& target, const std::string& sql,
                                              const std::string& parameter, std::string_view runKey) {
    RunStatement(target, sql, nullptr, &parameter);
    if (runScopes_ > 0 && !runKey.empty() && RecordsetWriter::Held(target)) {
        rowsKeptByKey_.emplace(runKey, target);
    }
}

std::shared_ptr<const ColumnSet> PerformanceDatabase::ResultColumns(const std::string& sql) {
    if (!connection_) return nullptr;
    StatementCache::Entry* entry = connection_->statements.Find(sql);
    return entry != nullptr ? entry->columns : nullptr;
}

void PerformanceDatabase::RunStatement(Recordset& target, const std::string& sql,
                                       const std::initializer_list<std::string_view>* readColumns,
                                       const std::string* parameter) {
    std::shared_ptr<RecordsetWriter::Result> result = RecordsetWriter::Reuse(target);
    if (!connection_) {
        messages_.show("The performance database is not open.", kApplicationTitle);
        return;
    }
    sqlite3* db = connection_->handle.db;
    StatementCache::Entry* entry = connection_->statements.Find(sql);
    if (entry == nullptr) {
        messages_.show(sqlite3_errcode(db) != SQLITE_OK ? sqlite3_errmsg(db) : "The statement text is empty.",
                       kApplicationTitle);
        return;
    }
    // The text is bound without a copy: the bindings are cleared before
    // this returns.
    int rc = parameter == nullptr ? SQLITE_OK
                                  : sqlite3_bind_text(entry->statement, 1, parameter->data(),
                                                      static_cast<int>(parameter->size()), SQLITE_STATIC);
    if (rc == SQLITE_OK) rc = ReadRows(*entry, readColumns, connection_->columnsRead, *result);
    std::string failure =
        rc != SQLITE_DONE ? (rc == SQLITE_TOOBIG ? sqlite3_errstr(rc) : sqlite3_errmsg(db)) : "";
    sqlite3_reset(entry->statement);
    if (parameter != nullptr) sqlite3_clear_bindings(entry->statement);
    if (rc != SQLITE_DONE) {
        messages_.show(failure, kApplicationTitle);
        return;
    }
    RecordsetWriter::Open(target, std::move(result));
}

PerformanceDatabase::RunScope::RunScope(PerformanceDatabase& db, GridRows gridRows)
    : db_(db), gridRows_(gridRows) {
    ++db_.runScopes_;
    if (gridRows_ == GridRows::KeptWhole) ++db_.wholeRowScopes_;
}

PerformanceDatabase::RunScope::~RunScope() {
    if (gridRows_ == GridRows::KeptWhole) --db_.wholeRowScopes_;
    if (--db_.runScopes_ == 0) db_.rowsKeptByKey_.clear();
}

}  // namespace keld
