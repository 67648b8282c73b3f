// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace keld::test {

// What one run of a program printed and how it ended.
struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args` (no shell in between), in the test's
// environment, with no input, and waits for it.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args = {});

// A program kept running beside the test: it runs until its standard input
// is closed, which the destructor does before it waits for the end.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& program);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The next line the program prints, without its newline; waits for it.
    std::string readLine();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};

}  // namespace keld::test
