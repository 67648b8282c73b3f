// SPDX-License-Identifier: MIT
#include "base/module_directory.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "db/performance_database.h"

namespace keld {
namespace {

namespace fs = std::filesystem;

TEST(ModuleDirectoryTest, DirectoryOfAProgramFile) {
    struct Case {
        const char* program;
        const char* directory;
    };
    const Case cases[] = {
        {"/opt/keld/keld", "/opt/keld"},
        {"/keld", ""},
        {"/opt/keld dir/keld", "/opt/keld dir"},
        {"keld", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryOfProgramFile(c.program), c.directory) << c.program;
    // A program in the root directory still finds its database there.
    EXPECT_EQ(DatabasePathIn(DirectoryOfProgramFile("/keld")), "/KELD_Vortan.tbs");
}

// Standard output of `command` run by the shell.
std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
    pclose(pipe);
    return output;
}

// A link to the program in another directory (as in /usr/local/bin) must not
// move the database and pictures the program looks for.
TEST(ModuleDirectoryTest, StartedThroughALinkFindsTheRealDirectory) {
    const fs::path linkDirectory = fs::temp_directory_path() / ("keld-link-" + std::to_string(getpid()));
    fs::create_directories(linkDirectory);
    const fs::path link = linkDirectory / "keld";
    fs::create_symlink(KELD_MODULE_DIRECTORY_PROBE, link);

    const std::string printed = OutputOf("'" + link.string() + "'");
    fs::remove_all(linkDirectory);

    EXPECT_EQ(printed, fs::canonical(KELD_MODULE_DIRECTORY_PROBE).parent_path().string() + "\n");
}

}  // namespace
}  // namespace keld
