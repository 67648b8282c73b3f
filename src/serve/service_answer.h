// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace keld::serve {

// A request as the HTTP layer has read it: the method, the path and query
// of the target, what the client accepts, and the whole body.
struct ServiceRequest {
    std::string method;
    std::string path;
    std::string query;
    std::string accept;
    std::string body;
};

// What the service answers: the HTTP status, the body with its media type,
// and any further header fields.
struct ServiceAnswer {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// {"error": TEXT, "field": NAME or null} with `status`.
ServiceAnswer ErrorAnswer(int status, const std::string& field, const std::string& text);

}  // namespace keld::serve
