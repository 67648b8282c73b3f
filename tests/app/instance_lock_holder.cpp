// SPDX-License-Identifier: MIT
// A first instance for the tests: takes the instance lock as the program
// does, prints what it got, and keeps the lock until its input closes.
#include <iostream>
#include <string>

#include "app/instance_lock.h"

int main() {
    const keld::InstanceLock lock(keld::InstanceLockPath());
    switch (lock.state()) {
        case keld::InstanceLock::State::Held:
            std::cout << "held" << std::endl;
            break;
        case keld::InstanceLock::State::HeldByAnother:
            std::cout << "held by another" << std::endl;
            break;
        case keld::InstanceLock::State::Unguarded:
            std::cout << "unguarded" << std::endl;
            break;
    }
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
