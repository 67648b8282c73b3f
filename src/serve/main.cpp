// SPDX-License-Identifier: MIT
// keld-serve: the selections of keld-cli over HTTP, for a web configurator;
// stateless, so more copies behind a balancer serve more clients.
#include <stdlib.h>
#include <unistd.h>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "base/module_directory.h"
#include "db/performance_database.h"
#include "serve/http_server.h"

namespace {

constexpr const char* kUsage =
    "usage: keld-serve [--listen ADDR:PORT] [--database PATH] [--threads N] [--request-timeout SECONDS]\n"
    "  --listen ADDR:PORT        where to listen (default 127.0.0.1:8080; port 0: any free port)\n"
    "  --database PATH           the performance database (default: the file beside the program)\n"
    "  --threads N               worker threads, each with its own database session (default: one per core)\n"
    "  --request-timeout SECONDS how long a client may take to send a request (default 10)\n";

std::optional<long> WholeNumber(const std::string& text, long low, long high) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Reads the command line into `options`; an empty text when it is usable,
// else what is wrong with it.
std::string ReadOptions(const std::vector<std::string>& args, keld::serve::ServerOptions& options) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return name + " needs a value";
        const std::string& value = args[i + 1];
        if (name == "--listen") {
            const auto colon = value.rfind(':');
            const auto port =
                colon == std::string::npos ? std::nullopt : WholeNumber(value.substr(colon + 1), 0, 65535);
            if (!port || colon == 0) return "--listen takes ADDR:PORT, not " + value;
            options.address = value.substr(0, colon);
            options.port = static_cast<unsigned short>(*port);
        } else if (name == "--database") {
            options.databasePath = value;
        } else if (name == "--threads") {
            const auto threads = WholeNumber(value, 1, 256);
            if (!threads) return "--threads takes a whole number from 1 to 256, not " + value;
            options.threads = static_cast<int>(*threads);
        } else if (name == "--request-timeout") {
            const auto seconds = WholeNumber(value, 1, 3600);
            if (!seconds) return "--request-timeout takes whole seconds from 1 to 3600, not " + value;
            options.requestTimeout = std::chrono::seconds(*seconds);
        } else {
            return "keld-serve does not know the option " + name;
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    keld::serve::ServerOptions options;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    options.databasePath = keld::DatabasePathIn(keld::ModuleDirectory());
    if (const std::string wrong = ReadOptions(args, options); !wrong.empty()) {
        std::cerr << "keld-serve: " << wrong << '\n' << kUsage;
        return 2;
    }

    // Datasheets are drawn in a folder of the service's own, never at a path
    // a request names; under systemd the temporary folder is private too.
    std::error_code error;
    std::string scratch = (std::filesystem::temp_directory_path(error) / "keld-serve.XXXXXX").string();
    if (error || ::mkdtemp(scratch.data()) == nullptr) {
        std::cerr << "keld-serve: cannot make a scratch folder in the temporary folder\n";
        return 1;
    }
    options.scratchFolder = scratch;
    const int exitCode = keld::serve::RunServer(options);
    std::filesystem::remove_all(scratch, error);
    return exitCode;
}
