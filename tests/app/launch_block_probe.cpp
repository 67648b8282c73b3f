// SPDX-License-Identifier: MIT
// Stands in for the program beside a copy of keld-launch: reads the launch
// block as start-up does and prints the launch values it decodes, then
// whether the block is still there.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <iostream>

#include "app/launch_block.h"
#include "selection/launch_parameters.h"

int main() {
    const std::string name = keld::LaunchBlockName();
    const keld::LaunchBlockText block = keld::ReadLaunchBlock(name);
    if (block.status != keld::LaunchBlockText::Status::Read) return 1;
    const keld::LaunchParameters launch = keld::DecodeLaunchText(block.text);
    const int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd >= 0) ::close(fd);
    std::cout << launch.FirstDigit << ' ' << launch.SecondDigit << ' ' << launch.Brand << ' '
              << (fd >= 0 ? "kept" : "removed") << '\n';
    return 0;
}
