// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

namespace keld::test {
namespace {

pid_t Spawn(const std::string& program, const std::vector<std::string>& args, int in, int out, int err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::vector<std::string> argvText = {program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvText) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    return pid;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    return text;
}

int ExitCodeOf(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Pipe {
    Pipe() {
        if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    void closeRead() {
        if (fds[0] >= 0) ::close(fds[0]);
        fds[0] = -1;
    }
    void closeWrite() {
        if (fds[1] >= 0) ::close(fds[1]);
        fds[1] = -1;
    }
    int fds[2] = {-1, -1};
};

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    // The error output goes through a file, so that neither stream can fill
    // its pipe while the other is read.
    char errPath[] = "/tmp/keld-app-test-XXXXXX";
    const int errFile = ::mkostemp(errPath, O_CLOEXEC);
    Pipe out;
    const pid_t pid = Spawn(program, args, nothing, out.fds[1], errFile);
    ::close(nothing);
    out.closeWrite();
    ProcessResult result;
    result.out = ReadAll(out.fds[0]);
    result.exitCode = ExitCodeOf(pid);
    ::lseek(errFile, 0, SEEK_SET);
    result.err = ReadAll(errFile);
    ::close(errFile);
    ::unlink(errPath);
    return result;
}

RunningProgram::RunningProgram(const std::string& program) {
    Pipe in;
    Pipe out;
    pid_ = Spawn(program, {}, in.fds[0], out.fds[1], STDERR_FILENO);
    input_ = in.fds[1];
    in.fds[1] = -1;
    output_ = out.fds[0];
    out.fds[0] = -1;
}

RunningProgram::~RunningProgram() {
    ::close(input_);
    ::close(output_);
    ExitCodeOf(pid_);
}

std::string RunningProgram::readLine() {
    std::string line;
    char c;
    while (::read(output_, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

}  // namespace keld::test
