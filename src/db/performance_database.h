// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "db/column_set.h"
#include "db/recordset.h"

namespace keld {

class MessageSink;

// File name of the performance database beside the program.
inline constexpr const char* kDatabaseFileName = "KELD_Vortan.tbs";

// The program's password of the performance database file.
inline constexpr const char* kDatabasePassword = "#kantobripu#";

// "<moduleDirectory>/KELD_Vortan.tbs"
std::string DatabasePathIn(const std::string& moduleDirectory);

// Read-only access to the encrypted performance database. One connection for
// the life of the object; statements are plain SELECT texts run as they stand.
// The object borrows the message sink, which must outlive it. Recordsets own
// their results and stay readable after the database object is gone.
class PerformanceDatabase {
public:
    explicit PerformanceDatabase(MessageSink& messages);
    ~PerformanceDatabase();
    PerformanceDatabase(const PerformanceDatabase&) = delete;
    PerformanceDatabase& operator=(const PerformanceDatabase&) = delete;

    // Opens the file read-only with the program's password and its cipher
    // settings, and checks what costs the same for any catalogue: that the
    // path names a regular file, that the schema decrypts and authenticates,
    // that the file's length is the pages its header counts, and that it has
    // tables. An empty path, a folder, a pipe or a device (refused before the
    // engine sees them), a missing file, a wrong password, a file of another
    // kind, a damaged first page, a truncated or empty file each show one
    // description through the message sink (caption "JVT") and return false.
    // A page damaged further in is found by its authentication code when a
    // statement reads it, which then fails. The file is never created,
    // changed or written. Opening again replaces the previous connection.
    bool OpenDatabase(const std::string& path);

    // Runs `sql` and holds its whole result in `target` (the cursor on the
    // first row when there is one), discarding what `target` held before. A
    // statement that fails, or any statement before a successful
    // OpenDatabase, shows the engine's description through the message sink
    // (caption "JVT") and leaves `target` unopened, so that the caller's next
    // access raises DatabaseError.
    void OpenRecordset(Recordset& target, const std::string& sql);

    // The same, keeping only the cells of the columns named in `readColumns`
    // (names the result lacks are passed over: reading them fails as ever):
    // for lookups that read one or two cells of rows some fifty wide.
    void OpenRecordset(Recordset& target, const std::string& sql,
                       std::initializer_list<std::string_view> readColumns);

    // The columns `sql` gives, from its prepared statement, without running
    // it; null when it does not prepare (OpenRecordset then tells why).
    std::shared_ptr<const ColumnSet> ResultColumns(const std::string& sql);

    // For the length of one selection run: while a RunScope lives, rows
    // opened with OpenRecordsetKept are kept under the caller's own short
    // name for their statement (a correction table, its key column and the
    // key), and RowsKeptFor finds them again without the statement text
    // being built: the correction tables are read at the same key several
    // times a run. The answer is the same: the file cannot change under the
    // open connection. Failed statements are not kept, so they fail, and
    // say so, every time.
    //
    // A selection reads a grid row at one ambient and takes only the cells
    // it needs; a performance map reads the same row at every ambient of its
    // axis, so its run keeps grid rows whole (GridRows::KeptWhole).
    enum class GridRows { AsRead, KeptWhole };
    class RunScope {
    public:
        explicit RunScope(PerformanceDatabase& db, GridRows gridRows = GridRows::AsRead);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        PerformanceDatabase& db_;
        GridRows gridRows_;
    };

    // The rows kept under `runKey` in this run; null when none are, outside
    // a RunScope, or for an empty key.
    const Recordset* RowsKeptFor(std::string_view runKey) const;
    // Runs `sql` as OpenRecordset does and, within a RunScope and for a key
    // that is not empty, keeps the rows it gave under `runKey`.
    void OpenRecordsetKept(Recordset& target, const std::string& sql, std::string_view runKey);

    // Whether a RunScope that keeps grid rows whole lives. Such a run (a
    // performance map's) asks the grids and the correction tables at a new
    // number at nearly every point, and preparing a statement costs more
    // than running it: its lookups prepare each statement once, with the
    // number as a parameter, and run it with OpenRecordsetKeptAt.
    bool RunKeepsWholeRows() const { return wholeRowScopes_ > 0; }
    // OpenRecordsetKept for `sql` with its one parameter bound to the text
    // `parameter`.
    void OpenRecordsetKeptAt(Recordset& target, const std::string& sql, const std::string& parameter,
                             std::string_view runKey);

    // The one shared result set the grid lookups and the candidate walk use.
    Recordset& CurrentRecordset() { return current_; }

    MessageSink& messages() { return messages_; }

private:
    struct Connection;
    // Opens and checks the file; the description of the failure, or "".
    std::string Connect(const std::string& path);
    void RunStatement(Recordset& target, const std::string& sql,
                      const std::initializer_list<std::string_view>* readColumns,
                      const std::string* parameter = nullptr);

    MessageSink& messages_;
    std::unique_ptr<Connection> connection_;
    Recordset current_;
    int runScopes_ = 0;
    int wholeRowScopes_ = 0;
    // Found by a string_view without building a string: the key is often a
    // statement text made only to be looked up.
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };
    // A single run keeps a handful; a performance map keeps a few rows for
    // each leaving water it passes.
    std::unordered_map<std::string, Recordset, KeyHash, std::equal_to<>> rowsKeptByKey_;
};

}  // namespace keld
