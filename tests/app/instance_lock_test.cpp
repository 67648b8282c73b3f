// SPDX-License-Identifier: MIT
#include "app/instance_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "child_process.h"
#include "runtime_directory.h"

namespace keld::test {
namespace {

namespace fs = std::filesystem;

TEST(InstanceLockTest, LiesInTheRuntimeDirectoryOrElseTheTemporaryOne) {
    {
        RuntimeDirectory runtime;
        EXPECT_EQ(InstanceLockPath(), (runtime.path() / "KELD_Tow_Norvex").string());
    }
    const ScopedEnvironment noRuntimeDirectory("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(InstanceLockPath(), (fs::temp_directory_path() / "KELD_Tow_Norvex").string());
}

TEST(InstanceLockTest, ASecondCopyIsKeptOutWhileTheFirstRuns) {
    RuntimeDirectory runtime;
    {
        RunningProgram first(KELD_INSTANCE_LOCK_HOLDER);
        ASSERT_EQ(first.readLine(), "held");
        const InstanceLock second(InstanceLockPath());
        EXPECT_EQ(second.state(), InstanceLock::State::HeldByAnother);
        // The refused start leaves the first copy its lock.
        RunningProgram third(KELD_INSTANCE_LOCK_HOLDER);
        EXPECT_EQ(third.readLine(), "held by another");
    }
    // The first copy has ended: the kernel has dropped its lock.
    const InstanceLock next(InstanceLockPath());
    EXPECT_EQ(next.state(), InstanceLock::State::Held);
}

TEST(InstanceLockTest, ALockFileThatCannotBeMadeLeavesTheProgramUnguarded) {
    RuntimeDirectory runtime;
    const InstanceLock missingDirectory((runtime.path() / "gone" / "KELD_Tow_Norvex").string());
    EXPECT_EQ(missingDirectory.state(), InstanceLock::State::Unguarded);
    // A directory in the place of the file.
    fs::create_directory(runtime.path() / "KELD_Tow_Norvex");
    const InstanceLock occupied(InstanceLockPath());
    EXPECT_EQ(occupied.state(), InstanceLock::State::Unguarded);
}

}  // namespace
}  // namespace keld::test
