// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "app/launch_block.h"
#include "child_process.h"
#include "runtime_directory.h"

namespace keld::test {
namespace {

// On a machine without a screen the program says so in one line and points
// to keld-cli, instead of the toolkit aborting; the launch is over.
TEST(NoDisplayTest, TheProgramEndsWithOneLineNamingKeldCli) {
    const RuntimeDirectory runtime;
    const ScopedEnvironment noX("DISPLAY", nullptr);
    const ScopedEnvironment noWayland("WAYLAND_DISPLAY", nullptr);
    const ScopedEnvironment defaultPlatform("QT_QPA_PLATFORM", nullptr);
    ASSERT_EQ(WriteLaunchBlock(LaunchBlockName(), "14BREXAL"), "");

    const ProcessResult run = RunProgram(KELD_PROGRAM);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("keld-cli"), std::string::npos) << run.err;

    const int block = ::shm_open(LaunchBlockName().c_str(), O_RDONLY, 0);
    EXPECT_LT(block, 0);
    if (block >= 0) ::close(block);
}

// Any other fatal error of the toolkit is told in the toolkit's own words: a
// missing platform plugin is no missing display.
TEST(NoDisplayTest, AnotherToolkitFailureIsPrintedInItsOwnWords) {
    const RuntimeDirectory runtime;
    const ScopedEnvironment unknownPlatform("QT_QPA_PLATFORM", "nosuchplugin");

    const ProcessResult run = RunProgram(KELD_PROGRAM);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"nosuchplugin\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("no Qt platform plugin could be initialized"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("no display"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace keld::test
