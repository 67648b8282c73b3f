// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

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

    // Opens the file read-only with the program's password and checks that
    // it reads as an intact database with tables. A missing file, a wrong
    // password, a damaged or truncated file or a file of another kind shows
    // one description through the message sink (caption "JVT") and returns
    // false. The file is never created, changed or written. Opening again
    // replaces the previous connection.
    bool OpenDatabase(const std::string& path);

    // Runs `sql` and holds its whole result in `target` (the cursor on the
    // first row when there is one), discarding what `target` held before. A
    // statement that fails, or any statement before a successful
    // OpenDatabase, shows the engine's description through the message sink
    // (caption "JVT") and leaves `target` unopened, so that the caller's next
    // access raises DatabaseError.
    void OpenRecordset(Recordset& target, const std::string& sql);

    // The one shared result set the grid lookups and the candidate walk use.
    Recordset& CurrentRecordset() { return current_; }

    MessageSink& messages() { return messages_; }

private:
    struct Connection;
    // Opens and checks the file; the description of the failure, or "".
    std::string Connect(const std::string& path);

    MessageSink& messages_;
    std::unique_ptr<Connection> connection_;
    Recordset current_;
};

}  // namespace keld
