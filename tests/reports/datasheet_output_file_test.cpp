// SPDX-License-Identifier: MIT
// Where a datasheet may be written, and what the user learns when it may not.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "datasheet_fixture.h"

namespace keld {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void MakeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    close(fd);
}

// A folder this process may not create files in: a read-only folder, or
// for root, whom folder permissions do not stop, the kernel's /sys; and the
// system's reason for it, found by trying.
std::pair<std::string, std::string> FolderWithoutPermission(const test::ScratchFolder& scratch) {
    std::string folder = scratch.file("read-only");
    fs::create_directory(folder);
    chmod(folder.c_str(), 0555);
    if (geteuid() == 0) folder = "/sys";
    const std::string probe = folder + "/probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd >= 0) {
        close(fd);
        unlink(probe.c_str());
        return {folder, ""};
    }
    return {folder, std::strerror(errno)};
}

// The window shows "Open PDF file error" and nothing else; the command line
// adds the reason the export returns. Nothing is created or replaced.
TEST(DatasheetOutputFile, AFileThatCannotBeWrittenSaysWhyAndKeepsWhatIsThere) {
    test::DatasheetRig rig;
    const test::ScratchFolder& folder = rig.folder();
    test::WriteFile(folder.file("existing.pdf"), "an earlier datasheet");
    fs::create_directory(folder.file("folder.pdf"));
    ASSERT_EQ(mkfifo(folder.file("pipe.pdf").c_str(), 0644), 0);
    MakeSocket(folder.file("socket.pdf"));
    fs::create_symlink("pipe.pdf", folder.file("link-to-pipe.pdf"));
    fs::create_symlink("nothing.pdf", folder.file("dangling.pdf"));
    const auto [lockedFolder, permissionReason] = FolderWithoutPermission(folder);
    ASSERT_NE(permissionReason, "") << lockedFolder << " takes new files";
    const std::vector<std::string> before = FolderEntries(folder.path());

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {folder.file("missing/datasheet.pdf"), std::strerror(ENOENT)},
        {folder.file("folder.pdf"), std::strerror(EISDIR)},
        {folder.file("existing.pdf/datasheet.pdf"), std::strerror(ENOTDIR)},
        {lockedFolder + "/datasheet.pdf", permissionReason},
        {folder.file(std::string(300, 'n') + ".pdf"), std::strerror(ENAMETOOLONG)},
        {"", "the file name is empty"},
        {folder.file("pipe.pdf"), "it is a FIFO, not a regular file"},
        {folder.file("socket.pdf"), "it is a socket, not a regular file"},
        {folder.file("link-to-pipe.pdf"), "it is a link to a FIFO, not a regular file"},
        {folder.file("dangling.pdf"), "it is a symbolic link to a file that does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        rig.sink().clear();
        const ExportResult result =
            WriteDatasheetFile(rig.pdf(), rig.database(), rig.sink(), test::CentrifugalInputs(), c.path);
        EXPECT_EQ(result.status, ExportStatus::OpenFailed);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.fileFailure, c.reason);
        EXPECT_EQ(rig.messages(),
                  (std::vector<test::RecordingSink::Message>{{"JVT", "Open PDF file error"}}));
    }
    EXPECT_EQ(FolderEntries(folder.path()), before);
    EXPECT_EQ(test::ReadFile(folder.file("existing.pdf")), "an earlier datasheet");
    EXPECT_TRUE(fs::is_fifo(folder.file("pipe.pdf")));
    EXPECT_TRUE(fs::is_socket(folder.file("socket.pdf")));
    EXPECT_TRUE(fs::is_empty(folder.file("folder.pdf")));
}

// A link to a datasheet is a link afterwards too, and the sheet it names
// keeps who may read it; a new sheet gets the permissions the user's umask
// gives new files.
TEST(DatasheetOutputFile, ALinkIsWrittenThroughAndAReplacedFileKeepsItsMode) {
    test::DatasheetRig rig;
    const test::ScratchFolder& folder = rig.folder();
    fs::create_directory(folder.file("sheets"));
    const std::string sheet = folder.file("sheets/QTK130.pdf");
    test::WriteFile(sheet, "an earlier datasheet");
    chmod(sheet.c_str(), 0640);
    fs::create_symlink("sheets/QTK130.pdf", folder.file("latest.pdf"));

    ASSERT_TRUE(rig.write(test::CentrifugalInputs(), "latest.pdf").complete);
    EXPECT_TRUE(fs::is_symlink(folder.file("latest.pdf")));
    EXPECT_EQ(fs::read_symlink(folder.file("latest.pdf")), "sheets/QTK130.pdf");
    EXPECT_EQ(test::PdfInfoField(sheet, "Pages"), "2");
    EXPECT_EQ(fs::status(sheet).permissions(), fs::perms(0640));
    EXPECT_EQ(FolderEntries(folder.file("sheets")), std::vector<std::string>{"QTK130.pdf"});

    const mode_t umaskNow = umask(022);
    umask(umaskNow);
    ASSERT_TRUE(rig.write(test::CentrifugalInputs(), "new.pdf").complete);
    EXPECT_EQ(fs::status(folder.file("new.pdf")).permissions(), fs::perms(0666 & ~umaskNow));
}

}  // namespace
}  // namespace keld
