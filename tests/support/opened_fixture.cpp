// SPDX-License-Identifier: MIT
#include "support/opened_fixture.h"

#include <stdexcept>

namespace keld::test {

OpenedFixture::OpenedFixture(const std::string& sqlScript) : fixture(sqlScript), db(sink) {
    if (!db.OpenDatabase(fixture.path())) {
        const auto messages = sink.take();
        const std::string message = messages.empty() ? "" : messages.back().text;
        throw std::runtime_error("fixture database does not open: " + message);
    }
}

}  // namespace keld::test
