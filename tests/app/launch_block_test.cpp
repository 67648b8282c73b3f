// SPDX-License-Identifier: MIT
#include "app/launch_block.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "child_process.h"

namespace keld::test {
namespace {

namespace fs = std::filesystem;

bool BlockExists(const std::string& name) {
    const int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// A block of the test's own name, filled with `bytes` as a foreign writer
// might leave it: any size, any content.
void WriteRawBlock(const std::string& name, const std::string& bytes) {
    const int fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

class LaunchBlockTest : public ::testing::Test {
protected:
    ~LaunchBlockTest() override { ::shm_unlink(name_.c_str()); }
    const std::string name_ = "/keld-test-launch-block." + std::to_string(::getpid());
};

TEST_F(LaunchBlockTest, TextWrittenIsReadOnceAndTheBlockRemoved) {
    const std::string longest(kLaunchTextMaxBytes, '7');
    for (const std::string& text : {std::string("14BREXAL"), std::string("中4BREXAL"), longest}) {
        ASSERT_EQ(WriteLaunchBlock(name_, text), "");
        const LaunchBlockText block = ReadLaunchBlock(name_);
        EXPECT_EQ(block.status, LaunchBlockText::Status::Read);
        EXPECT_EQ(block.text, text);
        EXPECT_FALSE(BlockExists(name_));
    }
    EXPECT_NE(WriteLaunchBlock(name_, longest + "7"), "");
    EXPECT_FALSE(BlockExists(name_));
}

// A block another writer left at any size is made the block's size again,
// so that the program reads what the launcher wrote.
TEST_F(LaunchBlockTest, TheLauncherWritesABlockOfExactlyItsSize) {
    for (std::size_t left : {kLaunchBlockSize - 1, kLaunchBlockSize + 1, std::size_t{4096}}) {
        WriteRawBlock(name_, std::string(left, 'x'));
        ASSERT_EQ(WriteLaunchBlock(name_, "14BREXAL"), "");
        EXPECT_EQ(ReadLaunchBlock(name_).text, "14BREXAL") << left;
    }
}

TEST_F(LaunchBlockTest, WithoutALauncherTheTextIsEmpty) {
    const LaunchBlockText block = ReadLaunchBlock(name_);
    EXPECT_EQ(block.status, LaunchBlockText::Status::Read);
    EXPECT_EQ(block.text, "");
    EXPECT_FALSE(BlockExists(name_));
}

// Only the user's own block of exactly the block's size carries a launch
// text; anything else under the name is a start without a launcher.
TEST_F(LaunchBlockTest, OnlyABlockOfTheBlocksSizeIsRead) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    std::string full(kLaunchBlockSize, 'A');
    std::string withNul(kLaunchBlockSize, '\0');
    withNul.replace(0, 9, std::string("04\0BREXAL", 9));
    const Case cases[] = {
        {full, full},                                  // no NUL: never read beyond the block
        {withNul, "04"},                               // a NUL ends the text
        {std::string(kLaunchBlockSize - 1, 'A'), ""},  // one byte short
        {std::string(kLaunchBlockSize + 1, 'A'), ""},  // one byte over
        {"14B", ""},
    };
    for (const Case& c : cases) {
        WriteRawBlock(name_, c.bytes);
        const LaunchBlockText block = ReadLaunchBlock(name_);
        EXPECT_EQ(block.status, LaunchBlockText::Status::Read) << c.bytes.size();
        EXPECT_EQ(block.text, c.text) << c.bytes.size();
    }
}

// What another user can plant at the name in the shared folder never stops
// the start, and is left where it is.
TEST_F(LaunchBlockTest, AFolderFifoOrLinkAtTheNameIsNoLaunchText) {
    const fs::path planted = fs::path("/dev/shm") / name_.substr(1);
    const fs::path target =
        fs::temp_directory_path() / ("keld-test-link-target." + std::to_string(::getpid()));
    WriteRawBlock("/" + target.filename().string(), std::string(kLaunchBlockSize, '1'));
    struct Case {
        const char* what;
        int (*plant)(const fs::path&);
    };
    const Case cases[] = {
        {"folder", [](const fs::path& p) { return ::mkdir(p.c_str(), 0777); }},
        {"fifo", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0666); }},
        {"link",
         [](const fs::path& p) {
             return ::symlink(("/dev/shm/keld-test-link-target." + std::to_string(::getpid())).c_str(),
                              p.c_str());
         }},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.plant(planted), 0) << c.what;
        const LaunchBlockText block = ReadLaunchBlock(name_);
        EXPECT_EQ(block.status, LaunchBlockText::Status::Read) << c.what;
        EXPECT_EQ(block.text, "") << c.what;
        EXPECT_TRUE(fs::exists(fs::symlink_status(planted))) << c.what;
        fs::remove(planted);
    }
    ::shm_unlink(("/" + target.filename().string()).c_str());
}

TEST_F(LaunchBlockTest, AnotherUsersBlockIsNeitherReadNorRemoved) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the block to another user";
    WriteRawBlock(name_, std::string(kLaunchBlockSize, '1'));
    const int fd = ::shm_open(name_.c_str(), O_RDWR, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::fchown(fd, 65534, 65534), 0);
    ::close(fd);
    EXPECT_EQ(ReadLaunchBlock(name_).text, "");
    EXPECT_TRUE(BlockExists(name_));
}

// A block the launcher wrote belongs to the start it made, a few seconds at
// most; an older one was left by a launch that never started the program.
TEST_F(LaunchBlockTest, ABlockOlderThanItsLaunchIsStaleAndRemoved) {
    using namespace std::chrono;
    struct Case {
        nanoseconds age;
        bool read;
    };
    const Case cases[] = {
        {kLaunchBlockLifetime - nanoseconds(1), true},
        {kLaunchBlockLifetime, true},
        {kLaunchBlockLifetime + nanoseconds(1), false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(WriteLaunchBlock(name_, "14BREXAL"), "");
        const int fd = ::shm_open(name_.c_str(), O_RDONLY, 0);
        ASSERT_GE(fd, 0);
        struct stat status {};
        ASSERT_EQ(::fstat(fd, &status), 0);
        ::close(fd);
        const auto written = system_clock::time_point(duration_cast<system_clock::duration>(
            seconds(status.st_mtim.tv_sec) + nanoseconds(status.st_mtim.tv_nsec)));
        const LaunchBlockText block = ReadLaunchBlock(name_, written + c.age);
        EXPECT_EQ(block.text, c.read ? "14BREXAL" : "") << c.age.count();
        EXPECT_FALSE(BlockExists(name_)) << c.age.count();
    }
}

// A launcher and a program of the test's own: a copy of keld-launch with the
// probe as the program "keld" beside it.
class LauncherDirectory {
public:
    explicit LauncherDirectory(bool withProgram) {
        std::string pattern = (fs::temp_directory_path() / "keld-launch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a directory");
        path_ = pattern;
        fs::copy_file(KELD_LAUNCH, path_ / "keld-launch");
        if (withProgram) fs::copy_file(KELD_LAUNCH_BLOCK_PROBE, path_ / "keld");
    }
    ~LauncherDirectory() { fs::remove_all(path_); }
    std::string launcher() const { return (path_ / "keld-launch").string(); }

private:
    fs::path path_;
};

TEST(LauncherTest, PassesTheLaunchTextThroughSharedMemoryToTheProgramBesideIt) {
    const LauncherDirectory directory(true);
    struct Case {
        const char* text;
        const char* decoded;
    };
    const Case cases[] = {
        {"14BREXAL", "1 4 BREXAL removed\n"},
        {"BREXAL", "0 0 BREXAL removed\n"},
        {"x", "0 0 Norvex removed\n"},
        {"", "0 0 Norvex removed\n"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunProgram(directory.launcher(), {c.text});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.decoded) << c.text;
    }
}

TEST(LauncherTest, RefusesWhatItCannotPassOn) {
    const LauncherDirectory withoutProgram(false);
    const ProcessResult noProgram = RunProgram(withoutProgram.launcher(), {"14BREXAL"});
    EXPECT_EQ(noProgram.exitCode, 1);
    EXPECT_NE(noProgram.err.find("cannot start"), std::string::npos) << noProgram.err;
    // Nobody will read the block: it is not left for a later start.
    EXPECT_FALSE(BlockExists(LaunchBlockName()));

    const LauncherDirectory directory(true);
    EXPECT_EQ(RunProgram(directory.launcher(), {}).exitCode, 2);
    EXPECT_EQ(RunProgram(directory.launcher(), {"14", "BREXAL"}).exitCode, 2);
    const ProcessResult tooLong = RunProgram(directory.launcher(), {std::string(kLaunchBlockSize, '1')});
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.out, "");
}

}  // namespace
}  // namespace keld::test
