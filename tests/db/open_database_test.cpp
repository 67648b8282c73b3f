// SPDX-License-Identifier: MIT
// Opening the performance database: every kind of bad file fails at open,
// with one clear message, and nothing on disk changes; what is no file at all
// (a folder, a pipe, a device, an empty path) is refused before the engine
// sees it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include "db/database_error.h"
#include "db/performance_database.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

namespace fs = std::filesystem;
using test::FixtureDatabase;
using test::RecordingSink;

// Enough rows to fill some dozens of pages, so a cut or a damaged page lies
// inside the data and not only in the header.
constexpr const char* kManyPages =
    "create table Big(id INTEGER, label TEXT);"
    "with recursive n(x) as (select 1 union all select x + 1 from n where x < 2000)"
    " insert into Big select x, 'row number ' || x from n;";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Names, sizes and modification times of everything in a directory.
std::set<std::string> DirectoryState(const std::string& directory) {
    std::set<std::string> state;
    for (const auto& entry : fs::directory_iterator(directory)) {
        std::string line = entry.path().filename().string();
        if (entry.is_regular_file()) {
            line += " " + std::to_string(entry.file_size()) + " " +
                    std::to_string(entry.last_write_time().time_since_epoch().count());
        }
        state.insert(line);
    }
    return state;
}

struct OpenFailureCase {
    const char* name;
    // Makes the bad file beside the valid one and returns the path to open.
    std::function<std::string(const FixtureDatabase& valid)> makeFile;
    const char* messageFragment;
};

class OpenFailureTest : public testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailureTest, FailsOnceWithAMessageAndTouchesNothing) {
    FixtureDatabase valid(kManyPages);
    const std::string path = GetParam().makeFile(valid);
    const std::string bytesBefore = fs::is_regular_file(path) ? ReadBytes(path) : "";
    const auto directoryBefore = DirectoryState(valid.directory());

    RecordingSink sink;
    PerformanceDatabase db(sink);
    EXPECT_FALSE(db.OpenDatabase(path));

    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].caption, "JVT");
    EXPECT_NE(sink.messages()[0].text.find(GetParam().messageFragment), std::string::npos)
        << sink.messages()[0].text;
    EXPECT_EQ(DirectoryState(valid.directory()), directoryBefore);
    if (fs::is_regular_file(path)) {
        EXPECT_EQ(ReadBytes(path), bytesBefore);
    }

    // The object stays usable: statements now report that nothing is open.
    Recordset rows;
    db.OpenRecordset(rows, "select * from Big");
    EXPECT_EQ(sink.messages().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, OpenFailureTest,
    testing::Values(
        OpenFailureCase{"Missing", [](const FixtureDatabase& v) { return v.directory() + "/absent.tbs"; },
                        "Could not find"},
        OpenFailureCase{"WrongPassword",
                        [](const FixtureDatabase& v) {
                            FixtureDatabase other(kManyPages, "#another-one#");
                            fs::copy_file(other.path(), v.directory() + "/other.tbs");
                            return v.directory() + "/other.tbs";
                        },
                        "password"},
        OpenFailureCase{"PlainSqliteFile",
                        [](const FixtureDatabase& v) {
                            FixtureDatabase plain(kManyPages, "");
                            fs::copy_file(plain.path(), v.directory() + "/plain.tbs");
                            return v.directory() + "/plain.tbs";
                        },
                        "password"},
        OpenFailureCase{"TextFile",
                        [](const FixtureDatabase& v) {
                            WriteBytes(v.directory() + "/notes.tbs", "Model list, not a database\n");
                            return v.directory() + "/notes.tbs";
                        },
                        "not the performance database"},
        OpenFailureCase{"EmptyFile",
                        [](const FixtureDatabase& v) {
                            WriteBytes(v.directory() + "/empty.tbs", "");
                            return v.directory() + "/empty.tbs";
                        },
                        "holds no tables"},
        OpenFailureCase{"Truncated",
                        [](const FixtureDatabase& v) {
                            std::string bytes = ReadBytes(v.path());
                            WriteBytes(v.directory() + "/cut.tbs", bytes.substr(0, bytes.size() / 2));
                            return v.directory() + "/cut.tbs";
                        },
                        "damaged"},
        OpenFailureCase{"CutInsideTheLastPage",
                        [](const FixtureDatabase& v) {
                            std::string bytes = ReadBytes(v.path());
                            WriteBytes(v.directory() + "/cut.tbs", bytes.substr(0, bytes.size() - 100));
                            return v.directory() + "/cut.tbs";
                        },
                        "damaged"},
        // The first page fails its authentication code, as a wrong password does.
        OpenFailureCase{"DamagedFirstPage",
                        [](const FixtureDatabase& v) {
                            std::string bytes = ReadBytes(v.path());
                            for (size_t i = 100; i < 164; ++i) bytes[i] ^= 0x5A;
                            WriteBytes(v.directory() + "/damaged.tbs", bytes);
                            return v.directory() + "/damaged.tbs";
                        },
                        "not the performance database"},
        OpenFailureCase{"EmptyPath", [](const FixtureDatabase&) { return std::string(); },
                        "the path is empty"},
        OpenFailureCase{"Directory", [](const FixtureDatabase& v) { return v.directory(); }, "is a folder"},
        // Opening a pipe would wait for a writer for ever.
        OpenFailureCase{"Fifo",
                        [](const FixtureDatabase& v) {
                            const std::string path = v.directory() + "/pipe.tbs";
                            if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
                            return path;
                        },
                        "is a pipe (FIFO)"},
        OpenFailureCase{"Device", [](const FixtureDatabase&) { return std::string("/dev/null"); },
                        "is a device"},
        OpenFailureCase{"LinkToAFolder",
                        [](const FixtureDatabase& v) {
                            fs::create_directory_symlink(v.directory(), v.directory() + "/link.tbs");
                            return v.directory() + "/link.tbs";
                        },
                        "is a folder"}),
    [](const testing::TestParamInfo<OpenFailureCase>& info) { return std::string(info.param.name); });

TEST(OpenDatabaseTest, OpensTheFixtureReadOnlyAndLeavesItUnchanged) {
    FixtureDatabase valid(kManyPages);
    const std::string bytesBefore = ReadBytes(valid.path());
    const auto directoryBefore = DirectoryState(valid.directory());

    RecordingSink sink;
    {
        PerformanceDatabase db(sink);
        ASSERT_TRUE(db.OpenDatabase(valid.path()));
        db.OpenRecordset(db.CurrentRecordset(), "select * from Big where id > 1990");
        EXPECT_EQ(db.CurrentRecordset().RecordCount(), 10);
        // A writing statement is refused by the read-only connection.
        Recordset rows;
        db.OpenRecordset(rows, "delete from Big");
        db.OpenRecordset(rows, "create table Extra(x)");
        EXPECT_EQ(sink.messages().size(), 2u);
        EXPECT_THROW(rows.RecordCount(), DatabaseError);
    }
    EXPECT_EQ(ReadBytes(valid.path()), bytesBefore);
    EXPECT_EQ(DirectoryState(valid.directory()), directoryBefore);
}

TEST(OpenDatabaseTest, DamagedDataPageFailsOnlyTheStatementsThatReadIt) {
    // Pages are authenticated as they are read: the file opens, and no figure
    // ever comes from the damaged page.
    FixtureDatabase valid(std::string(kManyPages) +
                          "create table Small(x INTEGER); insert into Small values (7);");
    std::string bytes = ReadBytes(valid.path());
    for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 64; ++i) bytes[i] ^= 0x5A;
    WriteBytes(valid.path(), bytes);

    RecordingSink sink;
    PerformanceDatabase db(sink);
    ASSERT_TRUE(db.OpenDatabase(valid.path()));
    Recordset rows;
    db.OpenRecordset(rows, "select * from Big");
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0], (RecordingSink::Message{"JVT", "database disk image is malformed"}));
    EXPECT_THROW(rows.RecordCount(), DatabaseError);
    db.OpenRecordset(rows, "select * from Small");
    EXPECT_EQ(rows.ReadFieldText("x"), "7");
    EXPECT_EQ(sink.messages().size(), 1u);
}

TEST(OpenDatabaseTest, DatabasePathLiesInTheModuleDirectory) {
    EXPECT_EQ(DatabasePathIn("/opt/keld"), "/opt/keld/KELD_Vortan.tbs");
}

}  // namespace
}  // namespace keld
