// SPDX-License-Identifier: MIT
// Prints the directory the program finds itself in, so that a test can start
// it through a symbolic link.
#include <iostream>

#include "base/module_directory.h"

int main() {
    std::cout << keld::ModuleDirectory() << '\n';
    return 0;
}
