// SPDX-License-Identifier: MIT
// keld-serve as a client meets it: the same answers as keld-cli, every kind
// of bad request refused with its own status and text, limits at their
// bounds, slow clients and failing databases survived, a stop that finishes
// the request in flight, and the counts of /metrics.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "serve/serve_process.h"
#include "session/selection_json.h"
#include "support/fixture_database.h"

namespace keld::test {
namespace {

Json JsonOf(const HttpReply& reply) { return Json::parse(reply.body); }

std::string Padded(std::string json, std::size_t size) {
    json.append(size - json.size(), ' ');
    return json;
}

// One running service for the tests that do not stop it.
class Serve : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new ServeProcess({"--threads", "2"}); }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    static int port() { return server_->port(); }
    static ServeProcess* server_;
};
ServeProcess* Serve::server_ = nullptr;

struct BadCase {
    const char* name;
    const char* target;
    std::string body;
    int status;
    std::optional<std::string> field;  // nullopt: null
    std::string text;                  // the error's text, or its head when it ends in "…"
    std::vector<std::string> cliArgs;  // the same mistake on keld-cli's command line, when it has one
};

TEST_F(Serve, EachBadRequestIsRefusedWithItsFieldAndTheProgramsText) {
    const BadCase cases[] = {
        {"malformed JSON", "/v1/select", "{\"ambient\": ", 400, std::nullopt, "the body is not JSON: …", {}},
        {"not an object",
         "/v1/select",
         "[1, 2]",
         400,
         std::nullopt,
         "a request is a JSON object of page options",
         {}},
        {"wrong type",
         "/v1/select",
         R"({"ambient": true})",
         400,
         "ambient",
         "'ambient' takes a string or a number",
         {}},
        {"nested value",
         "/v1/select",
         R"({"launch": {"a": 1}})",
         400,
         "launch",
         "'launch' takes a string or a number",
         {}},
        {"unknown option",
         "/v1/select",
         R"({"colour": "red"})",
         400,
         "colour",
         "no page option is named 'colour'",
         {}},
        {"not a number",
         "/v1/select",
         R"({"ambient": "hot"})",
         400,
         "ambient",
         "--ambient 'hot': …",
         {"select", "--ambient", "hot"}},
        {"not a choice",
         "/v1/select",
         R"({"compressor": "rotary"})",
         400,
         "compressor",
         "--compressor takes …",
         {"select", "--compressor", "rotary"}},
        {"disabled by the page",
         "/v1/select",
         R"({"compressor": "centrifugal", "glycol": 20})",
         400,
         "glycol",
         "--glycol 20 is refused: …",
         {"select", "--compressor", "centrifugal", "--glycol", "20"}},
        {"inlet with flow",
         "/v1/select",
         R"({"inlet": 12, "flow": 20})",
         400,
         "flow",
         "--flow and --inlet …",
         {"select", "--inlet", "12", "--flow", "20"}},
        {"a database named",
         "/v1/select",
         R"({"database": "/etc/passwd"})",
         400,
         "database",
         "the service selects on its own database: a request cannot name one",
         {}},
        {"datasheet without model",
         "/v1/datasheet",
         R"({"compressor": "screw"})",
         400,
         "model",
         "datasheet needs --model NAME",
         {}},
        {"datasheet to a path",
         "/v1/datasheet",
         R"({"model": "QHK150GP5-LQE", "out": "/tmp/x.pdf"})",
         400,
         "out",
         "no page option is named 'out'",
         {}},
        {"map without model",
         "/v1/map",
         R"({"compressor": "screw"})",
         400,
         "model",
         "map needs --model NAME: …",
         {}},
        {"reversed map range",
         "/v1/map",
         R"({"model": "QTK130GN5-LQE", "ambient": "40:30:1"})",
         400,
         "ambient",
         "--ambient runs from 40 down to 30…",
         {"map", "--model", "QTK130GN5-LQE", "--ambient", "40:30:1"}},
        {"schedule with an unknown column", "/v1/batch", "colour\nred\n", 400, std::nullopt, "…", {}},
        {"no route", "/v2/select", "{}", 404, std::nullopt, "no route /v2/select", {}},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const HttpReply reply = Http(port(), "POST", c.target, c.body);
        ASSERT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.headers.at("content-type"), "application/json");
        const Json error = JsonOf(reply);
        EXPECT_EQ(error["field"], c.field ? Json(*c.field) : Json(nullptr));
        const std::string text = error["error"].get<std::string>();
        if (c.text.ends_with("…")) {
            EXPECT_TRUE(text.starts_with(c.text.substr(0, c.text.size() - std::string("…").size()))) << text;
        } else {
            EXPECT_EQ(text, c.text);
        }
        if (!c.cliArgs.empty()) {
            // keld-cli says the same thing in the same words.
            const CliResult cli = RunCli(c.cliArgs);
            EXPECT_EQ(cli.exitCode, 2);
            EXPECT_TRUE(cli.err.starts_with("keld-cli: " + text + "\n")) << cli.err;
        }
    }
}

TEST_F(Serve, AWrongMethodGets405WithTheRoutesMethod) {
    const struct {
        const char* method;
        const char* target;
        const char* allow;
    } cases[] = {
        {"GET", "/v1/select", "POST"},       {"PUT", "/v1/batch", "POST"},
        {"HEAD", "/v1/select", "POST"},      {"POST", "/healthz", "GET, HEAD"},
        {"DELETE", "/metrics", "GET, HEAD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.target);
        const HttpReply reply = Http(port(), c.method, c.target, "{}");
        EXPECT_EQ(reply.status, 405);
        EXPECT_EQ(reply.headers.at("allow"), c.allow);
    }
}

// HEAD, as a link checker or a balancer's probe sends it, gets what GET
// would get, without the body.
TEST_F(Serve, HeadAnswersAsGetWithoutTheBody) {
    for (const char* target : {"/", "/healthz", "/v1/openapi.json"}) {
        SCOPED_TRACE(target);
        const HttpReply get = Http(port(), "GET", target);
        const HttpReply head = Http(port(), "HEAD", target);
        EXPECT_EQ(head.status, 200);
        EXPECT_EQ(head.headers.at("content-type"), get.headers.at("content-type"));
        EXPECT_EQ(head.headers.at("content-length"), std::to_string(get.body.size()));
        EXPECT_TRUE(head.body.empty());
    }
}

// A body is read up to its route's limit and refused beyond it, whether the
// client says its length ahead or sends it in chunks.
TEST_F(Serve, ABodyOverItsRoutesLimitGets413) {
    const std::size_t options = 64 * 1024;
    const std::size_t schedule = 1024 * 1024;
    const std::string duty = R"({"compressor": "screw", "cooling-capacity": 500})";
    const struct {
        const char* target;
        std::string body;
        int status;
    } cases[] = {
        {"/v1/select", Padded(duty, options - 1), 200},
        {"/v1/select", Padded(duty, options), 200},
        {"/v1/select", Padded(duty, options + 1), 413},
        {"/v1/map", Padded(R"({"model": "x"})", options + 1), 413},
        {"/v1/datasheet", Padded(R"({"model": "x"})", options + 1), 413},
        {"/v1/batch", std::string("cooling-capacity\n500\n") + std::string(schedule - 21, '\n'), 200},
        {"/v1/batch", std::string("cooling-capacity\n500\n") + std::string(schedule - 20, '\n'), 413},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + std::to_string(c.body.size()));
        EXPECT_EQ(Http(port(), "POST", c.target, c.body).status, c.status);
    }
    // The same limit holds for a body sent in chunks, without a length ahead.
    for (const auto& [size, status] : {std::pair{options, 200}, std::pair{options + 1, 413}}) {
        SCOPED_TRACE("chunked " + std::to_string(size));
        const std::string body = Padded(duty, size);
        RawConnection connection(port());
        connection.send(
            "POST /v1/select HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n");
        char length[32];
        std::snprintf(length, sizeof length, "%zx\r\n", body.size());
        connection.send(length + body + "\r\n0\r\n\r\n");
        EXPECT_EQ(ParseReply(connection.readToClose()).status, status);
    }
}

TEST_F(Serve, ABatchRunsAtMostItsDutiesAndAnswersLikeKeldCli) {
    // Lines the page refuses cost no selection, so the limit is cheap to reach.
    auto schedule = [](std::size_t duties) {
        std::string text = "tag,ambient\n";
        for (std::size_t i = 0; i < duties; ++i) text += "T" + std::to_string(i) + ",hot\n";
        return text;
    };
    EXPECT_EQ(Http(port(), "POST", "/v1/batch", schedule(1999)).status, 200);
    const HttpReply atLimit = Http(port(), "POST", "/v1/batch", schedule(2000));
    EXPECT_EQ(atLimit.status, 200);
    EXPECT_EQ(atLimit.headers.at("keld-failed-duties"), "2000");
    EXPECT_EQ(Http(port(), "POST", "/v1/batch", schedule(2001)).status, 413);

    // A real schedule: the results are keld-cli batch's, in CSV and in JSON.
    const std::string path = ::testing::TempDir() + "serve_schedule.csv";
    const std::string csv =
        "tag,launch,compressor,cooling-capacity,ambient,outlet\n"
        "CH-1,,screw,500,35,7\n"
        "CH-2,BREXAL,screw,800,40,6\n"
        "CH-3,,centrifugal,1200,hot,7\n"
        "CH-4,14BREXAL,screw,300,46,5\n";
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(csv.data(), 1, csv.size(), file);
        std::fclose(file);
    }
    const CliResult cliCsv = RunCli({"batch", path});
    const CliResult cliJson = RunCli({"batch", path, "--json"});
    const HttpReply csvReply = Http(port(), "POST", "/v1/batch", csv);
    EXPECT_EQ(csvReply.status, 200);
    EXPECT_EQ(csvReply.headers.at("content-type"), "text/csv; charset=utf-8");
    EXPECT_EQ(csvReply.headers.at("keld-failed-duties"), "1");
    EXPECT_EQ(csvReply.body, cliCsv.out);
    for (const auto& [target, headers] :
         {std::pair<std::string, std::vector<std::string>>{"/v1/batch?format=json", {}},
          std::pair<std::string, std::vector<std::string>>{"/v1/batch", {"Accept: application/json"}}}) {
        SCOPED_TRACE(target);
        const HttpReply reply = Http(port(), "POST", target, csv, headers);
        EXPECT_EQ(reply.headers.at("content-type"), "application/json");
        EXPECT_EQ(reply.body, cliJson.out);
    }
    std::filesystem::remove(path);
}

TEST_F(Serve, AMapIsKeldClisMap) {
    const HttpReply reply =
        Http(port(), "POST", "/v1/map",
             R"({"compressor": "screw", "cooling-capacity": 500, "model": "QHK150GP5-LQE", )"
             R"("ambient": "25:35:5", "outlet": "5:7:1"})");
    ASSERT_EQ(reply.status, 200) << reply.body;
    const CliResult cli = RunCli({"map", "--compressor", "screw", "--cooling-capacity", "500", "--model",
                                  "QHK150GP5-LQE", "--ambient", "25:35:5", "--outlet", "5:7:1", "--json"});
    EXPECT_EQ(reply.body, cli.out);
    EXPECT_EQ(JsonOf(reply)["cooling"].size(), 9u);
}

TEST_F(Serve, ASlowClientIsCutOffAndOthersAreServed) {
    for (const std::string& partial :
         {std::string("POST /v1/select HTTP/1.1\r\nHost: x\r\n"),
          std::string("POST /v1/select HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{\"ambient\"")}) {
        RawConnection slow(port());
        slow.send(partial);
        // The service closes the connection (its timeout is 1 s here) without an answer.
        EXPECT_EQ(slow.readToClose(20), "");
        EXPECT_EQ(Http(port(), "GET", "/healthz").status, 200);
    }
}

// The counts grow by exactly the requests made; the histogram counts every
// one of them.
TEST(ServeMetrics, CountRequestsByRouteAndStatus) {
    ServeProcess server({"--threads", "2"});
    auto count = [](const std::string& metrics, const std::string& series) -> long {
        const auto at = metrics.find(series + " ");
        return at == std::string::npos ? 0 : std::stol(metrics.substr(at + series.size() + 1));
    };
    const std::string before = Http(server.port(), "GET", "/metrics").body;
    for (int i = 0; i < 3; ++i) Http(server.port(), "POST", "/v1/select", R"({"cooling-capacity": 500})");
    Http(server.port(), "POST", "/v1/select", R"({"ambient": "hot"})");
    Http(server.port(), "GET", "/v1/select");
    Http(server.port(), "GET", "/");
    Http(server.port(), "GET", "/nowhere");
    const HttpReply after = Http(server.port(), "GET", "/metrics");
    EXPECT_EQ(after.headers.at("content-type"), "text/plain; version=0.0.4");
    const std::string select200 = R"(keld_requests_total{route="/v1/select",status="200"})";
    const std::string select400 = R"(keld_requests_total{route="/v1/select",status="400"})";
    const std::string select405 = R"(keld_requests_total{route="/v1/select",status="405"})";
    const std::string metrics200 = R"(keld_requests_total{route="/metrics",status="200"})";
    EXPECT_EQ(count(before, select200), 0);
    EXPECT_EQ(count(after.body, select200), 3);
    EXPECT_EQ(count(after.body, select400), 1);
    EXPECT_EQ(count(after.body, select405), 1);
    EXPECT_EQ(count(after.body, metrics200), 1);
    EXPECT_EQ(count(after.body, R"(keld_requests_total{route="/",status="200"})"), 1);
    EXPECT_EQ(count(after.body, R"(keld_requests_total{route="other",status="404"})"), 1);
    // The first /metrics counted after it had been answered, the second not yet.
    EXPECT_EQ(count(after.body, "keld_request_duration_seconds_count"), 8);
    EXPECT_EQ(count(after.body, R"(keld_request_duration_seconds_bucket{le="+Inf"})"), 8);
    // One log line per request: method, route, status and microseconds.
    server.stop();
    const std::regex line(R"(POST /v1/select 400 \d+us\n)");
    EXPECT_TRUE(std::regex_search(server.log(), line)) << server.log();
}

// A database that opens but lacks its tables makes the run fail: 500 with
// the object keld-cli prints, and the service goes on answering.
TEST(ServeFailures, ACoreFailureIs500AndTheServiceGoesOn) {
    const FixtureDatabase broken("CREATE TABLE Unrelated (x INTEGER);");
    ServeProcess server({"--database", broken.path(), "--threads", "1"});
    const CliResult cli = RunCli({"select", "--database", broken.path(), "--json"});
    for (int i = 0; i < 2; ++i) {
        const HttpReply reply = Http(server.port(), "POST", "/v1/select", "{}");
        EXPECT_EQ(reply.status, 500);
        EXPECT_EQ(reply.body, cli.out);
        EXPECT_NE(reply.body.find("no such table: Fluid"), std::string::npos);
    }
    EXPECT_EQ(Http(server.port(), "GET", "/readyz").status, 200);
    EXPECT_EQ(server.stop(), 0);
}

TEST(ServeFailures, WithoutItsDatabaseTheServiceIsAliveButNotReady) {
    const std::string missing = ::testing::TempDir() + "no-such-database.tbs";
    ServeProcess server({"--database", missing, "--threads", "1"});
    EXPECT_EQ(Http(server.port(), "GET", "/healthz").status, 200);
    EXPECT_EQ(Http(server.port(), "GET", "/readyz").status, 503);
    EXPECT_EQ(Http(server.port(), "POST", "/v1/select", "{}").status, 503);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// A datasheet is drawn in the service's own scratch folder, handed over and
// removed; nothing stays behind, and nothing is written where a request says.
TEST(ServeDatasheet, ThePdfComesInTheAnswerAndNoFileStays) {
    const std::filesystem::path tmp = std::filesystem::path(::testing::TempDir()) / "serve-datasheet-tmp";
    std::filesystem::remove_all(tmp);
    std::filesystem::create_directories(tmp);
    {
        ServeProcess server({"--threads", "1"}, tmp.string());
        const HttpReply sheet =
            Http(server.port(), "POST", "/v1/datasheet",
                 R"({"compressor": "screw", "cooling-capacity": 500, "model": "QHK150GP5-LQE", )"
                 R"("project": "Harbour", "tag": "CH-1"})");
        ASSERT_EQ(sheet.status, 200) << sheet.body;
        EXPECT_EQ(sheet.headers.at("content-type"), "application/pdf");
        EXPECT_EQ(sheet.headers.at("keld-datasheet-complete"), "true");
        EXPECT_TRUE(sheet.body.starts_with("%PDF-"));
        EXPECT_NE(sheet.body.find("%%EOF"), std::string::npos);

        const HttpReply unlisted =
            Http(server.port(), "POST", "/v1/datasheet",
                 R"({"compressor": "screw", "cooling-capacity": 500, "model": "QTK130GN5-LQE"})");
        EXPECT_EQ(unlisted.status, 422);
        EXPECT_FALSE(JsonOf(unlisted)["models"].empty());

        // Only the scratch folder is there, and it is empty between requests.
        std::vector<std::filesystem::path> folders(std::filesystem::directory_iterator(tmp), {});
        ASSERT_EQ(folders.size(), 1u);
        EXPECT_TRUE(std::filesystem::is_empty(folders.front()));
        EXPECT_EQ(std::filesystem::status(folders.front()).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_all);
        EXPECT_EQ(server.stop(), 0);
    }
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
    std::filesystem::remove_all(tmp);
}

// SIGTERM while a request is being read: it is read, run and answered, then
// the service stops with status 0 and takes no new connection.
TEST(ServeStop, SigtermFinishesTheRequestInFlight) {
    ServeProcess server({"--threads", "2"});
    const std::string body = R"({"compressor": "screw", "cooling-capacity": 500})";
    RawConnection inFlight(server.port());
    inFlight.send("POST /v1/select HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: " +
                  std::to_string(body.size()) + "\r\n\r\n" + body.substr(0, 10));
    // Once another connection has been answered, the first one's header has
    // been read as well.
    ASSERT_EQ(Http(server.port(), "GET", "/healthz").status, 200);
    ::kill(server.pid(), SIGTERM);
    inFlight.send(body.substr(10));
    const HttpReply reply = ParseReply(inFlight.readToClose());
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(JsonOf(reply)["list"], "replaced");
    EXPECT_EQ(server.stop(), 0);
}

}  // namespace
}  // namespace keld::test
