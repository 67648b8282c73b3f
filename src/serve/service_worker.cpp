// SPDX-License-Identifier: MIT
#include "serve/service_worker.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/error_text.h"
#include "cli/listed_datasheet.h"
#include "cli/schedule_duty.h"
#include "cli/schedule_reader.h"
#include "cli/schedule_results.h"
#include "serve/bad_request.h"
#include "serve/openapi_document.h"
#include "serve/page_asset.h"
#include "serve/service_requests.h"
#include "serve/service_routes.h"
#include "session/performance_map_json.h"
#include "session/usage_error.h"

namespace keld::serve {
namespace {

constexpr const char* kJson = "application/json";

ServiceAnswer JsonAnswer(int status, const Json& document) { return {status, kJson, JsonText(document), {}}; }

PageOptions WorkerOptions(const std::string& databasePath) {
    PageOptions options;
    options.database = databasePath;
    return options;
}

// A file of the scratch folder for one datasheet, removed with whatever the
// PDF writer left beside it when the answer has been read.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& folder) : path_(folder + "/datasheet-XXXXXX") {
        const int fd = ::mkstemp(path_.data());
        if (fd < 0) throw std::runtime_error("cannot make a scratch file for the datasheet");
        ::close(fd);
    }
    ~ScratchFile() { ::unlink(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    std::string contents() const {
        std::ifstream file(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::string path_;
};

bool WantsJson(const ServiceRequest& request) {
    return request.query.find("format=json") != std::string::npos ||
           request.accept.find("application/json") != std::string::npos;
}

}  // namespace

ServiceAnswer ErrorAnswer(int status, const std::string& field, const std::string& text) {
    return JsonAnswer(status, Json{{"error", text}, {"field", field.empty() ? Json(nullptr) : Json(field)}});
}

ServiceWorker::ServiceWorker(const std::string& databasePath, std::string scratchFolder,
                             const ServiceMetrics& metrics)
    : session_(WorkerOptions(databasePath)), scratchFolder_(std::move(scratchFolder)), metrics_(metrics) {
    databaseOpen_ = session_.openDatabase();
    if (databaseOpen_) session_.dataStamp();
}

ServiceAnswer ServiceWorker::answer(const ServiceRequest& request) {
    try {
        if (request.path == "/") return {200, "text/html; charset=utf-8", SelectionPageHtml(), {}};
        if (request.path == "/healthz") return JsonAnswer(200, Json{{"status", "ok"}});
        if (request.path == "/readyz") {
            return databaseOpen_
                       ? JsonAnswer(200, Json{{"status", "ready"}})
                       : ErrorAnswer(503, "", "the database " + session_.databasePath() + " is not open");
        }
        if (request.path == "/metrics") return {200, "text/plain; version=0.0.4", metrics_.text(), {}};
        if (request.path == "/v1/openapi.json") return {200, kJson, std::string(OpenApiDocument()), {}};
        if (!databaseOpen_)
            return ErrorAnswer(503, "", "the database " + session_.databasePath() + " is not open");
        if (request.path == "/v1/select") return select(request);
        if (request.path == "/v1/datasheet") return datasheet(request);
        if (request.path == "/v1/map") return map(request);
        if (request.path == "/v1/batch") return batch(request);
        return ErrorAnswer(404, "", "no route " + request.path);
    } catch (const BadRequest& error) {
        return ErrorAnswer(error.status(), error.field(), error.what());
    } catch (...) {
        return ErrorAnswer(500, "", cli::CurrentErrorText());
    }
}

void ServiceWorker::startRequest(const PageOptions& options) {
    try {
        session_.startRequest(options);
    } catch (const UsageError& error) {
        throw BadRequest(400, FieldOf(error.option(), error.what()), error.what());
    }
}

ServiceAnswer ServiceWorker::select(const ServiceRequest& request) {
    startRequest(SelectRequest(JsonBody(request.body)));
    const ListEffect effect = session_.runSelection().list;
    // The body is the object keld-cli select --json prints; a run an error
    // marred gives it too, its messages saying what went wrong.
    return JsonAnswer(
        session_.databaseFailed() ? 500 : 200,
        SelectionMembers(session_.page(), session_.collected().messages(), effect, session_.dataStamp()));
}

ServiceAnswer ServiceWorker::datasheet(const ServiceRequest& request) {
    const DatasheetRequest sheet = DatasheetRequestFrom(JsonBody(request.body));
    startRequest(sheet.page);
    session_.runSelection();
    const ScratchFile file(scratchFolder_);
    const cli::DatasheetOutcome outcome =
        cli::WriteListedDatasheet(session_, sheet.model, sheet.texts, file.path());
    if (!outcome.written || session_.databaseFailed()) {
        const int status = session_.databaseFailed() || !outcome.fileFailure.empty() ? 500 : 422;
        return JsonAnswer(status, Json{
                                      {"error", outcome.failure},
                                      {"model", sheet.model},
                                      {"models", outcome.models},
                                      {"messages", MessagesJson(session_.collected().messages())},
                                      {"data", DataStampJson(session_.dataStamp())},
                                  });
    }
    ServiceAnswer answer{200, "application/pdf", file.contents(), {}};
    answer.headers.emplace_back("Content-Disposition", "attachment; filename=\"datasheet.pdf\"");
    // A sheet drawn without some figure the database lacked is still a sheet;
    // the client learns which from this field.
    answer.headers.emplace_back("Keld-Datasheet-Complete", outcome.complete ? "true" : "false");
    return answer;
}

ServiceAnswer ServiceWorker::map(const ServiceRequest& request) {
    const MapRequest mapRequest = MapRequestFrom(JsonBody(request.body));
    startRequest(mapRequest.duty);
    MapOutcome outcome;
    try {
        outcome = MapUnit(session_.database(), mapRequest);
    } catch (const UsageError& error) {
        throw BadRequest(400, FieldOf(error.option(), error.what()), error.what());
    }
    if (!outcome.map) {
        return JsonAnswer(422, Json{
                                   {"error", "the duty is refused at its own point, so there is no map"},
                                   {"messages", MessagesJson(outcome.messages)},
                               });
    }
    Json document = MapJson(*outcome.map);
    document["data"] = DataStampJson(session_.dataStamp());
    return JsonAnswer(session_.databaseFailed() ? 500 : 200, document);
}

ServiceAnswer ServiceWorker::batch(const ServiceRequest& request) {
    std::istringstream schedule(request.body);
    std::vector<cli::ScheduleRecord> records;
    std::optional<cli::ScheduleColumns> columns;
    char separator = ',';
    try {
        cli::ScheduleReader reader(schedule);
        separator = reader.separator();
        columns.emplace(reader.header(), separator);
        cli::ScheduleRecord record;
        while (reader.next(record)) {
            if (records.size() == kMostScheduleDuties) {
                throw BadRequest(413, "",
                                 "the service runs at most " + std::to_string(kMostScheduleDuties) +
                                     " duties a request: split the schedule");
            }
            records.push_back(record);
        }
    } catch (const UsageError& error) {
        throw BadRequest(400, "", error.what());
    }

    std::ostringstream out;
    std::unique_ptr<cli::ScheduleResults> results;
    if (WantsJson(request)) {
        results = std::make_unique<cli::JsonScheduleResults>(out, session_.dataStamp());
    } else {
        results = std::make_unique<cli::CsvScheduleResults>(out, separator, session_.dataStamp());
    }
    std::size_t failed = 0;
    cli::ScheduleDuty duty;
    for (const cli::ScheduleRecord& record : records) {
        cli::DutyResult result;
        result.line = record.line;
        try {
            columns->readDuty(record, std::nullopt, duty);
            result.tag = duty.tag;
            session_.startRequest(duty.options);
        } catch (const UsageError& error) {
            result.tag = duty.tag;
            result.error = error.what();
            result.errorColumn = error.option().empty() ? "" : error.option().substr(2);
            results->writeDuty(result);
            ++failed;
            continue;
        }
        try {
            result.list = session_.runSelection().list;
        } catch (...) {
            result.error = cli::CurrentErrorText();
            results->writeDuty(result);
            ++failed;
            continue;
        }
        if (session_.databaseFailed()) ++failed;
        result.page = &session_.page();
        result.messages = &session_.collected().messages();
        results->writeDuty(result);
    }
    results->finish();
    ServiceAnswer answer{200, WantsJson(request) ? kJson : "text/csv; charset=utf-8", out.str(), {}};
    // The duties that could not be run or that an error marred; their lines
    // in the results say why.
    answer.headers.emplace_back("Keld-Failed-Duties", std::to_string(failed));
    return answer;
}

}  // namespace keld::serve
