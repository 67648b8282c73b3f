// SPDX-License-Identifier: MIT
// keld-launch TEXT: leaves TEXT in the launch block and starts the program
// beside this launcher, as the desktop launcher of the chiller selection does
// (for example "14BREXAL" for the second brand).
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "app/launch_block.h"
#include "base/module_directory.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: keld-launch TEXT\n"
                     "Starts the chiller selection with the launch text TEXT: two switch digits and "
                     "the brand word, e.g. 14BREXAL.\n";
        return kExitUsage;
    }
    const std::string name = keld::LaunchBlockName();
    const std::string failure = keld::WriteLaunchBlock(name, argv[1]);
    if (!failure.empty()) {
        std::cerr << "keld-launch: " << failure << '\n';
        return kExitFailed;
    }

    const std::string program = keld::ModuleDirectory() + "/keld";
    char* const programArgs[] = {const_cast<char*>(program.c_str()), nullptr};
    ::execv(program.c_str(), programArgs);

    // Still here: the program did not start, so nobody will read the block.
    const int startError = errno;
    keld::DiscardLaunchBlock(name);
    std::cerr << "keld-launch: cannot start " << program << ": " << std::strerror(startError) << '\n';
    return kExitFailed;
}
