// SPDX-License-Identifier: MIT
#include "app/launch_block.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

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

TEST_F(LaunchBlockTest, WithoutALauncherTheTextIsEmpty) {
    const LaunchBlockText block = ReadLaunchBlock(name_);
    EXPECT_EQ(block.status, LaunchBlockText::Status::Read);
    EXPECT_EQ(block.text, "");
    EXPECT_FALSE(BlockExists(name_));
}

// Whatever another writer left, the reader stays inside the block.
TEST_F(LaunchBlockTest, ForeignBlocksAreReadWithinTheirBounds) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {std::string(300, 'A'), std::string(kLaunchBlockSize, 'A')},  // no NUL at all
        {"14B", "14B"},                                               // shorter than the block
        {std::string("04\0BREXAL", 9), "04"},                         // a NUL ends the text
    };
    for (const Case& c : cases) {
        WriteRawBlock(name_, c.bytes);
        const LaunchBlockText block = ReadLaunchBlock(name_);
        EXPECT_EQ(block.status, LaunchBlockText::Status::Read);
        EXPECT_EQ(block.text, c.text);
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
