// SPDX-License-Identifier: MIT
// The OpenAPI document the service hands out describes the answers it
// really gives: every status, media type and JSON shape met here is in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "serve/serve_process.h"
#include "session/selection_json.h"

namespace keld::test {
namespace {

// The schema `node` refers to, followed through "$ref".
const Json& Resolve(const Json& document, const Json& node) {
    if (!node.contains("$ref")) return node;
    const std::string ref = node["$ref"].get<std::string>();
    const Json* at = &document;
    std::size_t start = 2;  // past "#/"
    while (start <= ref.size()) {
        const std::size_t end = std::min(ref.find('/', start), ref.size());
        at = &(*at)[ref.substr(start, end - start)];
        start = end + 1;
    }
    return Resolve(document, *at);
}

// Where `value` breaks `schema` (type, required, properties, items, enum,
// allOf, oneOf, additionalProperties: false, nullable); empty when it keeps it.
std::string Check(const Json& document, const Json& schemaNode, const Json& value, const std::string& where) {
    const Json& schema = Resolve(document, schemaNode);
    if (schema.contains("allOf")) {
        for (const Json& part : schema["allOf"]) {
            if (std::string fault = Check(document, part, value, where); !fault.empty()) return fault;
        }
    }
    if (schema.contains("oneOf")) {
        int matches = 0;
        for (const Json& part : schema["oneOf"])
            matches += Check(document, part, value, where).empty() ? 1 : 0;
        if (matches != 1) return where + ": matches " + std::to_string(matches) + " of oneOf";
    }
    if (value.is_null() && schema.value("nullable", false)) return {};
    if (schema.contains("type")) {
        const std::string type = schema["type"].get<std::string>();
        const bool fits =
            (type == "object" && value.is_object()) || (type == "array" && value.is_array()) ||
            (type == "string" && value.is_string()) || (type == "number" && value.is_number()) ||
            (type == "integer" && value.is_number_integer()) || (type == "boolean" && value.is_boolean());
        if (!fits) return where + ": not of type " + type + ": " + value.dump();
    }
    if (schema.contains("enum") &&
        std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end())
        return where + ": " + value.dump() + " is none of its enum";
    if (value.is_object()) {
        for (const Json& name : schema.value("required", Json::array())) {
            if (!value.contains(name.get<std::string>())) return where + ": lacks " + name.get<std::string>();
        }
        const Json properties = schema.value("properties", Json::object());
        for (const auto& [name, member] : value.items()) {
            if (properties.contains(name)) {
                if (std::string fault = Check(document, properties[name], member, where + "." + name);
                    !fault.empty())
                    return fault;
            } else if (schema.contains("additionalProperties") && schema["additionalProperties"] == false) {
                return where + ": has " + name + ", which it does not describe";
            }
        }
    }
    if (value.is_array() && schema.contains("items")) {
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (std::string fault =
                    Check(document, schema["items"], value[i], where + "[" + std::to_string(i) + "]");
                !fault.empty())
                return fault;
        }
    }
    return {};
}

struct Exchange {
    const char* method;
    const char* target;
    std::string body;
    int status;
};

TEST(ServeOpenApi, TheDocumentDescribesEveryAnswer) {
    ServeProcess server({"--threads", "1"});
    const HttpReply documentReply = Http(server.port(), "GET", "/v1/openapi.json");
    ASSERT_EQ(documentReply.status, 200);
    const Json document = Json::parse(documentReply.body);
    EXPECT_TRUE(document["openapi"].get<std::string>().starts_with("3."));

    const std::string duty = R"("compressor": "screw", "cooling-capacity": 500)";
    const Exchange exchanges[] = {
        {"POST", "/v1/select", "{" + duty + "}", 200},
        {"POST", "/v1/select", R"({"ambient": "hot"})", 400},
        {"POST", "/v1/select", "{" + duty + ", \"x\": 1" + std::string(70000, ' ') + "}", 413},
        {"GET", "/v1/select", "", 405},
        {"POST", "/v1/datasheet", "{" + duty + R"(, "model": "QHK150GP5-LQE"})", 200},
        {"POST", "/v1/datasheet", "{" + duty + R"(, "model": "QTK130GN5-LQE"})", 422},
        {"POST", "/v1/map", "{" + duty + R"(, "model": "QHK150GP5-LQE", "ambient": "30:35:5"})", 200},
        {"POST", "/v1/map", "{" + duty + R"(, "model": "QHK150GP5-LQE", "ambient": 70})", 422},
        {"POST", "/v1/batch", "tag,cooling-capacity\nA,500\n", 200},
        {"POST", "/v1/batch?format=json", "tag,cooling-capacity\nA,500\n", 200},
        {"POST", "/v1/batch", "colour\nred\n", 400},
        {"GET", "/healthz", "", 200},
        {"GET", "/readyz", "", 200},
        {"GET", "/metrics", "", 200},
        {"GET", "/v1/openapi.json", "", 200},
    };
    for (const Exchange& e : exchanges) {
        SCOPED_TRACE(std::string(e.method) + " " + e.target + " " + std::to_string(e.status));
        const HttpReply reply = Http(server.port(), e.method, e.target, e.body);
        ASSERT_EQ(reply.status, e.status) << reply.body;
        std::string path = e.target;
        path = path.substr(0, path.find('?'));
        ASSERT_TRUE(document["paths"].contains(path));
        std::string method = e.method;
        std::transform(method.begin(), method.end(), method.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        // A wrong method is answered on every route; the route's own method
        // documents that answer.
        const Json& operations = document["paths"][path];
        const Json& operation = operations.contains(method) ? operations[method] : operations.begin().value();
        const std::string status = std::to_string(e.status);
        ASSERT_TRUE(operation["responses"].contains(status));
        const Json& response = Resolve(document, operation["responses"][status]);
        const std::string mediaType =
            reply.headers.at("content-type").substr(0, reply.headers.at("content-type").find(';'));
        ASSERT_TRUE(response["content"].contains(mediaType)) << mediaType;
        if (mediaType == "application/json") {
            EXPECT_EQ(
                Check(document, response["content"][mediaType]["schema"], Json::parse(reply.body), "body"),
                "");
        }
    }
}

// The option names the document lists are the program's.
TEST(ServeOpenApi, ItsPageOptionsAreThePrograms) {
    ServeProcess server({"--threads", "1"});
    const Json document = Json::parse(Http(server.port(), "GET", "/v1/openapi.json").body);
    for (const auto& [name, schema] :
         document["components"]["schemas"]["PageOptions"]["properties"].items()) {
        SCOPED_TRACE(name);
        const HttpReply reply = Http(server.port(), "POST", "/v1/select", Json{{name, "x"}}.dump());
        // Taken, or refused for its value; never as an unknown option.
        if (reply.status == 200) continue;
        ASSERT_EQ(reply.status, 400);
        EXPECT_EQ(Json::parse(reply.body)["error"].get<std::string>().find("no page option"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace keld::test
