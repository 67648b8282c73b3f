// SPDX-License-Identifier: MIT
#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace keld::test {
namespace {

// A temporary file that collects one output stream of the child.
class CaptureFile {
public:
    CaptureFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "keld-cli-XXXXXX").string();
        fd_ = mkstemp(pattern.data());
        if (fd_ < 0) throw std::runtime_error("cannot create a capture file");
        path_ = pattern;
    }
    ~CaptureFile() {
        close(fd_);
        std::filesystem::remove(path_);
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return fd_; }
    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, CliOutput output) {
    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    switch (output) {
        case CliOutput::Captured:
            posix_spawn_file_actions_adddup2(&actions, out.fd(), STDOUT_FILENO);
            break;
        case CliOutput::Full:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case CliOutput::Closed:
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
            break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);

    std::vector<std::string> argvText = {KELD_CLI};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvText) argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, KELD_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error(std::string("cannot start ") + KELD_CLI);

    int status = 0;
    waitpid(child, &status, 0);
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = out.contents();
    result.err = err.contents();
    return result;
}

}  // namespace keld::test
