// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace keld::serve {

// A request the service answers with an error and nothing else: the HTTP
// status, the member of the request at fault ("ambient"; empty when the
// request as a whole is at fault) and the text that says why, in the words
// keld-cli uses for the same mistake.
class BadRequest : public std::runtime_error {
public:
    BadRequest(int status, std::string field, const std::string& text)
        : std::runtime_error(text), status_(status), field_(std::move(field)) {}

    int status() const { return status_; }
    const std::string& field() const { return field_; }

private:
    int status_;
    std::string field_;
};

}  // namespace keld::serve
