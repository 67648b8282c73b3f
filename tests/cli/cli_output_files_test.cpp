// SPDX-License-Identifier: MIT
// The files keld-cli writes when the system refuses them half-way: an earlier
// datasheet or results file is never replaced by a cut one, and the user is
// told the system's reason.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
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
        for (const auto& entry : fs::directory_iterator(folder_.path())) names.push_back(entry.path().filename());
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
            {"batch", inputs.file("s.csv"), "--database", KELD_SHIPPED_DATABASE, "--out", disk.file("earlier")},
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

}  // namespace
}  // namespace keld::test
