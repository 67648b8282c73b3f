// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

namespace keld::serve {

struct ServerOptions {
    std::string address = "127.0.0.1";
    unsigned short port = 8080;  // 0: any free port (the line on standard error names it)
    int threads = 2;
    // How long a client may take to send one request, and how long a
    // kept-alive connection may stay idle.
    std::chrono::milliseconds requestTimeout{10000};
    std::string databasePath;
    std::string scratchFolder;
};

// Serves until SIGTERM or SIGINT: then takes no new connection, finishes the
// requests in flight and returns. Says "keld-serve: listening on ADDR:PORT"
// on standard error once it listens, and one line per request after.
// Returns the exit code.
int RunServer(const ServerOptions& options);

}  // namespace keld::serve
