// SPDX-License-Identifier: MIT
#include "serve/service_requests.h"

#include <optional>
#include <utility>

#include "base/quoted_text.h"
#include "serve/bad_request.h"
#include "session/usage_error.h"

namespace keld::serve {
namespace {

constexpr int kBadRequest = 400;

// Takes `name` out of `body` as a text; nullopt when the body has no such
// member.
std::optional<std::string> TakeText(Json& body, const char* name) {
    const auto member = body.find(name);
    if (member == body.end()) return std::nullopt;
    if (!member->is_string()) throw BadRequest(kBadRequest, name, Quoted(name) + " takes a string");
    std::string text = member->get<std::string>();
    body.erase(member);
    return text;
}

// The page options of `body`, every member of it one. Each member is read on
// its own first, so that an error names the member that caused it; what is
// wrong only in combination is found when they are read together.
PageOptions PageOptionsOf(const Json& body) {
    if (!body.is_object()) throw BadRequest(kBadRequest, "", "a request is a JSON object of page options");
    for (const auto& [name, value] : body.items()) {
        if (name == "database") {
            throw BadRequest(kBadRequest, name,
                             "the service selects on its own database: a request cannot name one");
        }
        try {
            RequestFromJson(Json{{name, value}});
        } catch (const UsageError& error) {
            throw BadRequest(kBadRequest, name, error.what());
        }
    }
    try {
        return RequestFromJson(body);
    } catch (const UsageError& error) {
        throw BadRequest(kBadRequest, FieldOf(error.option(), error.what()), error.what());
    }
}

}  // namespace

std::string FieldOf(const std::string& errorOption, const std::string& errorText) {
    std::string option = errorOption;
    // Some refusals name their option only at the head of their text
    // ("--compressor takes centrifugal|screw, not 'x'").
    if (option.empty() && errorText.starts_with("--")) option = errorText.substr(0, errorText.find(' '));
    return option.starts_with("--") ? option.substr(2) : option;
}

Json JsonBody(std::string_view body) {
    Json json;
    try {
        json = Json::parse(body.begin(), body.end());
    } catch (const Json::exception& error) {
        throw BadRequest(kBadRequest, "", std::string("the body is not JSON: ") + error.what());
    }
    if (!json.is_object()) throw BadRequest(kBadRequest, "", "a request is a JSON object of page options");
    return json;
}

PageOptions SelectRequest(const Json& body) { return PageOptionsOf(body); }

DatasheetRequest DatasheetRequestFrom(const Json& body) {
    if (!body.is_object()) throw BadRequest(kBadRequest, "", "a request is a JSON object of page options");
    Json options = body;
    const std::optional<std::string> model = TakeText(options, "model");
    const std::optional<std::string> project = TakeText(options, "project");
    const std::optional<std::string> customer = TakeText(options, "customer");
    const std::optional<std::string> distributor = TakeText(options, "distributor");
    const std::optional<std::string> tag = TakeText(options, "tag");
    DatasheetRequest request;
    request.page = PageOptionsOf(options);
    if (!model) throw BadRequest(kBadRequest, "model", "datasheet needs --model NAME");
    request.model = *model;
    request.texts = {project.value_or(""), distributor.value_or(""), customer.value_or(""), tag.value_or("")};
    return request;
}

MapRequest MapRequestFrom(const Json& body) {
    if (!body.is_object()) throw BadRequest(kBadRequest, "", "a request is a JSON object of page options");
    Json options = body;
    MapRequest request;
    const std::pair<const char*, std::optional<MapRange>*> axes[] = {
        {"ambient", &request.ambient},
        {"outlet", &request.outlet},
        {"heating-ambient", &request.heatingAmbient},
        {"heating-outlet", &request.heatingOutlet},
    };
    for (const auto& [name, range] : axes) {
        const auto member = options.find(name);
        if (member == options.end() || !member->is_string()) continue;
        const std::string text = member->get<std::string>();
        if (text.find(':') == std::string::npos) continue;
        try {
            *range = ParseMapRange(std::string("--") + name, text);
        } catch (const UsageError& error) {
            throw BadRequest(kBadRequest, name, error.what());
        }
        options.erase(member);
    }
    const std::optional<std::string> model = TakeText(options, "model");
    request.duty = PageOptionsOf(options);
    if (!model || model->empty())
        throw BadRequest(kBadRequest, "model", "map needs --model NAME: the unit to map");
    request.model = *model;
    return request;
}

}  // namespace keld::serve
