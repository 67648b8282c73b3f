// SPDX-License-Identifier: MIT
#include "app/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include "child_process.h"
#include "runtime_directory.h"

namespace keld::test {
namespace {

namespace fs = std::filesystem;

// A temporary directory of the test's own, set as $TMPDIR, for the lock's
// fallback folder.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern = (fs::temp_directory_path() / "keld-tmp-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a directory");
        path_ = pattern;
        ::chmod(path_.c_str(), 01777);  // as /tmp: sticky and open to every user
        variable_.emplace("TMPDIR", path_.c_str());
    }
    ~TemporaryDirectory() {
        variable_.reset();
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    fs::path usersFolder() const { return path_ / ("keld-" + std::to_string(::geteuid())); }

private:
    fs::path path_;
    std::optional<ScopedEnvironment> variable_;
};

TEST(InstanceLockTest, LiesInTheRuntimeDirectoryOrElseInAFolderOfTheUsersOwn) {
    {
        RuntimeDirectory runtime;
        EXPECT_EQ(InstanceLockPath(), (runtime.path() / "KELD_Tow_Norvex").string());
    }
    const TemporaryDirectory temporary;
    const std::string fallback = (temporary.usersFolder() / "KELD_Tow_Norvex").string();
    // Unset, empty or relative: the base-directory rules say to ignore it.
    for (const char* runtime : {static_cast<const char*>(nullptr), "", "run/user"}) {
        const ScopedEnvironment variable("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(InstanceLockPath(), fallback) << (runtime ? runtime : "unset");
        struct stat status {};
        ASSERT_EQ(::lstat(temporary.usersFolder().c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_mode & 07777, 0700u);
    }
    const ScopedEnvironment noRuntimeDirectory("XDG_RUNTIME_DIR", nullptr);
    const InstanceLock lock(InstanceLockPath());
    EXPECT_EQ(lock.state(), InstanceLock::State::Held);
}

// Whatever another user leaves at the fallback folder's name, they cannot
// hold our lock: the program then runs unguarded rather than refusing to start.
TEST(InstanceLockTest, AFallbackFolderNotTheUsersOwnIsNotUsed) {
    const ScopedEnvironment noRuntimeDirectory("XDG_RUNTIME_DIR", nullptr);
    struct Case {
        const char* what;
        bool needsRoot;
        void (*plant)(const fs::path& folder, const fs::path& elsewhere);
    };
    const Case cases[] = {
        {"a folder others may write into", false,
         [](const fs::path& folder, const fs::path&) {
             fs::create_directory(folder);
             ::chmod(folder.c_str(), 0777);
         }},
        {"a link to a folder", false,
         [](const fs::path& folder, const fs::path& elsewhere) {
             fs::create_directory(elsewhere);
             ::chmod(elsewhere.c_str(), 0700);
             fs::create_directory_symlink(elsewhere, folder);
         }},
        {"a file", false,
         [](const fs::path& folder, const fs::path&) { std::ofstream(folder.string()) << "x"; }},
        {"another user's folder", true,
         [](const fs::path& folder, const fs::path&) {
             fs::create_directory(folder);
             ::chmod(folder.c_str(), 0700);
             if (::chown(folder.c_str(), 65534, 65534) != 0) throw std::runtime_error("chown");
         }},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && ::geteuid() != 0) continue;
        const TemporaryDirectory temporary;
        c.plant(temporary.usersFolder(), temporary.path() / "elsewhere");
        EXPECT_EQ(InstanceLockPath(), "") << c.what;
        const InstanceLock lock(InstanceLockPath());
        EXPECT_EQ(lock.state(), InstanceLock::State::Unguarded) << c.what;
    }
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
