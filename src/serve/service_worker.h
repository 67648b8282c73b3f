// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "serve/service_answer.h"
#include "serve/service_metrics.h"
#include "session/selection_session.h"

namespace keld::serve {

// One worker thread's share of the service: its own session on the
// database, opened once and used by one request at a time, so that nothing a
// request changes is seen by another.
class ServiceWorker {
public:
    // Opens `databasePath`; datasheets are drawn in `scratchFolder`, a folder
    // only the service can enter.
    ServiceWorker(const std::string& databasePath, std::string scratchFolder, const ServiceMetrics& metrics);

    bool databaseOpen() const { return databaseOpen_; }

    // The answer to a request on a route FindRoute knows, with the method it
    // takes. Whatever the core raises becomes a 500 with its text; the
    // worker then goes on with the next request.
    ServiceAnswer answer(const ServiceRequest& request);

private:
    ServiceAnswer select(const ServiceRequest& request);
    ServiceAnswer datasheet(const ServiceRequest& request);
    ServiceAnswer map(const ServiceRequest& request);
    ServiceAnswer batch(const ServiceRequest& request);
    // Starts the session's next request; raises BadRequest for options the
    // page refuses.
    void startRequest(const PageOptions& options);

    SelectionSession session_;
    bool databaseOpen_ = false;
    std::string scratchFolder_;
    const ServiceMetrics& metrics_;
};

}  // namespace keld::serve
