// SPDX-License-Identifier: MIT
// The files keld-cli writes when the system refuses them half-way: an earlier
// datasheet or results file is never replaced by a cut one, and the user is
// told the system's reason.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"
#include "support/pdf_tools.h"

namespace keld::test {
namespace {

namespace fs = std::filesystem;

// A small file system of its own that is full but for `room` bytes, mounted
// on a scratch folder; only root can mount one, so the cases skip without.
class FullDisk {
public:
    explicit FullDisk(std::size_t room) {
        mounted_ = ::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, "size=256k") == 0;
        if (!mounted_) return;
        WriteFile(file("earlier"), "the earlier file");
        // Fill the rest but `room`: a file that takes what it can, then gives back the room.
        const std::string filler = file(".filler");
        WriteFile(filler, "");
        const std::string block(4096, 'x');
        std::FILE* out = std::fopen(filler.c_str(), "w");
        while (std::fwrite(block.data(), 1, block.size(), out) == block.size() && std::fflush(out) == 0) {
        }
        std::fclose(out);
        fs::resize_file(filler, fs::file_size(filler) > room ? fs::file_size(filler) - room : 0);
    }
    ~FullDisk() {
        if (mounted_) ::umount2(folder_.path().c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    std::string file(const std::string& name) const { return folder_.file(name); }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path()))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    ScratchFolder folder_;
    bool mounted_ = false;
};

// Too little room for a datasheet or a schedule's results: the command fails
// with the disk's own reason and the earlier file of the name stays as it was.
TEST(CliOutputFiles, AFullDiskKeepsTheEarlierFileAndSaysSo) {
    struct Case {
        const char* what;
        std::size_t room;
    };
    // No room at all, and room for part of the file: the last write fails.
    for (const Case& c : {Case{"no room", 0}, Case{"room for a part", 24 * 1024}}) {
        FullDisk disk(c.room);
        if (!disk.mounted()) GTEST_SKIP() << "mounting a small file system needs root";
        ScratchFolder inputs;
        // Results of some 40 KiB: more than the room a part leaves.
        std::string schedule = "tag,cooling-capacity\n";
        for (int line = 1; line <= 300; ++line) schedule += "CH-" + std::to_string(line) + ",800\n";
        WriteFile(inputs.file("s.csv"), schedule);

        const std::vector<std::vector<std::string>> commands = {
            {"datasheet", "--database", KELD_SHIPPED_DATABASE, "--model", "QTK130GN5-LQE", "--out",
             disk.file("earlier")},
            {"batch", inputs.file("s.csv"), "--database", KELD_SHIPPED_DATABASE, "--out",
             disk.file("earlier")},
        };
        for (const auto& command : commands) {
            const CliResult result = RunCli(command);
            EXPECT_EQ(result.exitCode, 1) << c.what << ' ' << command[0] << ": " << result.out;
            EXPECT_NE(result.err.find("No space left on device"), std::string::npos)
                << c.what << ' ' << command[0] << ": " << result.err;
            EXPECT_EQ(ReadFile(disk.file("earlier")), "the earlier file") << c.what << ' ' << command[0];
            EXPECT_EQ(disk.entries(), (std::vector<std::string>{".filler", "earlier"})) << c.what;
        }
    }
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// A full datasheet folder fails every sheet for the same reason: it is said
// once, no more sheets are tried, and every duty's results say why it has none.
TEST(CliOutputFiles, AFullDatasheetFolderIsSaidOnce) {
    FullDisk disk(0);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    ScratchFolder inputs;
    WriteFile(inputs.file("s.csv"), "tag,cooling-capacity\nCH-1,500\nCH-2,800\nCH-3,500\n");
    const CliResult result = RunCli({"batch", inputs.file("s.csv"), "--database", KELD_SHIPPED_DATABASE,
                                     "--datasheets", disk.file(""), "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Occurrences(result.err, "No space left on device"), 1u) << result.err;
    EXPECT_EQ(Occurrences(result.err, "no more datasheets are written"), 1u) << result.err;
    EXPECT_EQ(Occurrences(result.out, "\"failure\": null"), 0u) << result.out;
    EXPECT_EQ(Occurrences(result.out, "not written: No space left on device"), 2u) << result.out;
    EXPECT_EQ(disk.entries(), (std::vector<std::string>{".filler", "earlier"}));
}

// An output the command cannot use is refused with what to change.
TEST(CliOutputFiles, AnUnusableOutputSaysWhatToChange) {
    ScratchFolder folder;
    const std::string schedule = folder.file("s.csv");
    WriteFile(schedule, "tag,cooling-capacity\nCH-1,500\n");
    fs::create_symlink(folder.file("missing"), folder.file("dangling"));
    struct Case {
        std::vector<std::string> options;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {{"--datasheets", folder.file("dangling")}, 1, "symbolic link to a folder that does not exist"},
        {{"--datasheets", ""}, 2, "--datasheets needs the name of a folder"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> command = {"batch", schedule, "--database", KELD_SHIPPED_DATABASE};
        command.insert(command.end(), c.options.begin(), c.options.end());
        const CliResult result = RunCli(command);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.options[1];
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    // Standard output on a pipe is no file to replace.
    const CommandResult piped =
        keld::test::Run(std::string(KELD_CLI) + " batch " + ShellQuoted(schedule) + " --database " +
                        KELD_SHIPPED_DATABASE + " --out /dev/stdout 2>&1 | cat");
    EXPECT_NE(piped.output.find("without --out the results go to standard output"), std::string::npos)
        << piped.output;
}

// What the command reads is never what it writes: the database, the pictures
// and the schedule are refused as outputs, by any path that reaches them.
TEST(CliOutputFiles, TheProgramsOwnFilesAndTheScheduleAreNoOutputs) {
    ScratchFolder folder;
    const std::string schedule = folder.file("s.csv");
    WriteFile(schedule, "tag,cooling-capacity\nCH-1,500\n");
    const std::string database = folder.file("copy.tbs");
    fs::copy_file(KELD_SHIPPED_DATABASE, database);
    fs::create_symlink(database, folder.file("database-link"));
    const std::string picture = std::string(KELD_BUILD_DIR) + "/AHRI.jpg";
    const std::string pictureBefore = ReadFile(picture);
    const std::string databaseBefore = ReadFile(database);

    struct Case {
        std::vector<std::string> command;
        const char* reason;
    };
    const Case cases[] = {
        {{"batch", schedule, "--database", database, "--out", schedule}, "it is the schedule being run"},
        {{"batch", schedule, "--database", database, "--out", folder.path().string() + "/./s.csv"},
         "it is the schedule being run"},
        {{"batch", schedule, "--database", database, "--out", folder.file("database-link")},
         "it is the performance database the selection reads"},
        {{"datasheet", "--database", database, "--model", "QTK130GN5-LQE", "--out", database},
         "it is the performance database the selection reads"},
        {{"datasheet", "--database", database, "--model", "QTK130GN5-LQE", "--out", picture},
         "it is a picture the datasheet prints"},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.command);
        EXPECT_EQ(result.exitCode, 1) << c.command.back();
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadFile(schedule), "tag,cooling-capacity\nCH-1,500\n");
    EXPECT_EQ(ReadFile(database), databaseBefore);
    EXPECT_EQ(ReadFile(picture), pictureBefore);
    // A file of its own beside them is written as ever.
    EXPECT_EQ(RunCli({"batch", schedule, "--database", database, "--out", folder.file("r.csv")}).exitCode, 0);
}

// The kernel follows a link in a sticky folder that every user may write into
// only when the link is the follower's or the folder owner's; so does keld-cli.
TEST(CliOutputFiles, AnotherUsersLinkInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make another user's link";
    ScratchFolder shared;
    ::chmod(shared.path().c_str(), 01777);
    ScratchFolder ours;
    const std::string precious = ours.file("precious.pdf");
    WriteFile(precious, "our file");
    struct Case {
        uid_t linkOwner;
        mode_t folderMode;
        bool followed;
    };
    const Case cases[] = {
        {65534, 01777, false},  // another user's link in /tmp's kind of folder
        {0, 01777, true},       // our own link there
        {65534, 0777, true},    // not sticky: the kernel follows it
        {65534, 01775, true},   // sticky, but not writable by every user
    };
    for (const Case& c : cases) {
        ::chmod(shared.path().c_str(), c.folderMode);
        const std::string link = shared.file("x.pdf");
        fs::remove(link);
        fs::create_symlink(precious, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        const CliResult result = RunCli(
            {"datasheet", "--database", KELD_SHIPPED_DATABASE, "--model", "QTK130GN5-LQE", "--out", link});
        EXPECT_EQ(result.exitCode, c.followed ? 0 : 1) << c.linkOwner << ' ' << c.folderMode << result.err;
        EXPECT_EQ(ReadFile(precious) == "our file", !c.followed) << c.linkOwner << ' ' << c.folderMode;
        if (!c.followed) {
            EXPECT_NE(result.err.find("symbolic link of another user"), std::string::npos) << result.err;
        }
        WriteFile(precious, "our file");
    }
}

TEST(CliOutputFiles, AReplacedFileKeepsItsModeButNoSetIdBits) {
    ScratchFolder folder;
    const std::string sheet = folder.file("sheet.pdf");
    WriteFile(sheet, "earlier");
    ASSERT_EQ(::chmod(sheet.c_str(), 06754), 0);
    const CliResult result = RunCli(
        {"datasheet", "--database", KELD_SHIPPED_DATABASE, "--model", "QTK130GN5-LQE", "--out", sheet});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    struct stat status {};
    ASSERT_EQ(::stat(sheet.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0754u);
}

// A batch stopped by a signal ends with that signal's status and leaves no
// staged results beside the earlier ones. The schedule is a FIFO the test
// holds open, so the run is caught while its results file is staged.
TEST(CliOutputFiles, ASignalLeavesNoStagedFileAndEndsWithItsStatus) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        ScratchFolder folder;
        const std::string schedule = folder.file("s.fifo");
        ASSERT_EQ(::mkfifo(schedule.c_str(), 0600), 0);
        const std::string results = folder.file("r.csv");
        WriteFile(results, "earlier results");

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::execl(KELD_CLI, KELD_CLI, "batch", schedule.c_str(), "--database", KELD_SHIPPED_DATABASE,
                    "--out", results.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        const int writer = ::open(schedule.c_str(), O_WRONLY);
        ASSERT_GE(writer, 0);
        const std::string firstLines = "tag,cooling-capacity\nCH-1,500\n";
        ASSERT_EQ(::write(writer, firstLines.data(), firstLines.size()),
                  static_cast<ssize_t>(firstLines.size()));
        // Wait, a few seconds at most, for the staged results beside the earlier ones.
        auto staged = [&] {
            for (const auto& entry : fs::directory_iterator(folder.path())) {
                if (entry.path().filename().string().starts_with(".r.csv.")) return true;
            }
            return false;
        };
        for (int wait = 0; wait < 500 && !staged(); ++wait) ::usleep(10000);
        EXPECT_TRUE(staged()) << signal;
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(writer);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << ' ' << status;
        EXPECT_FALSE(staged()) << signal;
        EXPECT_EQ(ReadFile(results), "earlier results") << signal;
    }
}

}  // namespace
}  // namespace keld::test
