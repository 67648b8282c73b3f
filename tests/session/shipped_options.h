// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "session/page_options.h"

namespace keld::test {

// The options of `keld-cli select` written as on its command line, on the
// shipped database. An argument that is no page option fails the test and
// is passed over.
inline PageOptions ShippedOptionsOf(const std::vector<std::string>& args) {
    PageOptions options;
    options.database = KELD_SHIPPED_DATABASE;
    for (std::size_t i = 0; i < args.size();) {
        if (!TakePageOption(args, i, options)) ADD_FAILURE() << "not a page option: " << args[i++];
    }
    return options;
}

}  // namespace keld::test
