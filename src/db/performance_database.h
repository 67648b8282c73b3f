// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "db/recordset.h"

namespace keld {

class MessageSink;

// File name of the performance database beside the program.
inline constexpr const char* kDatabaseFileName = "KELD_Vortan.tbs";

// "<moduleDirectory>/KELD_Vortan.tbs"
std::string DatabasePathIn(const std::string& moduleDirectory);

// Read-only access to the encrypted performance database. One connection for
// the life of the object; statements are plain SELECT texts run as they stand.
class PerformanceDatabase {
public:
    explicit PerformanceDatabase(MessageSink& messages);
    ~PerformanceDatabase();
    PerformanceDatabase(const PerformanceDatabase&) = delete;
    PerformanceDatabase& operator=(const PerformanceDatabase&) = delete;

    // Opens the file read-only with the program's password. On failure the
    // description is shown once through the message sink and false returned;
    // nothing is ever written to the file.
    bool OpenDatabase(const std::string& path);

    // Runs `sql` and holds its whole result in `target` (the cursor on the
    // first row when there is one). A statement that fails shows its
    // description through the message sink and leaves `target` unopened, so
    // that the caller's next access raises DatabaseError.
    void OpenRecordset(Recordset& target, const std::string& sql);

    // The one shared result set the grid lookups and the candidate walk use.
    Recordset& CurrentRecordset() { return current_; }

    MessageSink& messages() { return messages_; }

private:
    struct Connection;
    MessageSink& messages_;
    std::unique_ptr<Connection> connection_;
    Recordset current_;
};

}  // namespace keld
