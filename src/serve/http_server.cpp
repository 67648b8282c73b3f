// SPDX-License-Identifier: MIT
#include "serve/http_server.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <csignal>
#include <iostream>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "serve/service_metrics.h"
#include "serve/service_routes.h"
#include "serve/service_worker.h"

namespace keld::serve {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

// The worker of the thread running a handler: each thread of the pool makes
// its own before it serves.
thread_local ServiceWorker* tWorker = nullptr;

// One line per request on standard error, written at once so that lines of
// two threads never mix.
void LogRequest(const std::string& method, const std::string& target, int status,
                std::uint64_t microseconds) {
    const std::string line =
        method + " " + target + " " + std::to_string(status) + " " + std::to_string(microseconds) + "us\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
}

class Connection;

// What every connection shares: the metrics, the open connections (so that a
// stop can close the idle ones) and whether the service is stopping.
struct ServerState {
    ServiceMetrics metrics;
    std::chrono::milliseconds requestTimeout;
    std::mutex connectionsMutex;
    std::set<std::shared_ptr<Connection>> connections;
    std::atomic<bool> stopping{false};
};

class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(tcp::socket socket, ServerState& state) : stream_(std::move(socket)), state_(state) {}

    void start() { readHeader(); }

    // Closes the connection unless a request is being read or answered: that
    // one is finished first, and the connection closes after it.
    void stopWhenIdle() {
        asio::post(stream_.get_executor(), [self = shared_from_this()] {
            if (!self->busy_) self->close();
        });
    }

private:
    void readHeader() {
        if (state_.stopping) return close();
        parser_.emplace();
        parser_->header_limit(16 * 1024);
        // The route's limit is set once the header names the route; until
        // then the parser's own default must not refuse a length.
        parser_->body_limit(std::numeric_limits<std::uint64_t>::max());
        stream_.expires_after(state_.requestTimeout);
        busy_ = false;
        http::async_read_header(
            stream_, buffer_, *parser_,
            [self = shared_from_this()](beast::error_code error, std::size_t) { self->onHeader(error); });
    }

    void onHeader(beast::error_code error) {
        if (error) return close();
        busy_ = true;
        started_ = Clock::now();
        const auto& header = parser_->get();
        const std::string target(header.target());
        const std::string path = target.substr(0, target.find('?'));
        route_ = FindRoute(path);
        if (route_ == nullptr) return refuse(ErrorAnswer(404, "", "no route " + path), "other");
        const auto method = header.method_string();
        if (!TakesMethod(*route_, std::string_view(method.data(), method.size()))) {
            ServiceAnswer answer = ErrorAnswer(405, "", path + " takes " + std::string(route_->method));
            answer.headers.emplace_back("Allow", std::string(AllowedMethods(*route_)));
            return refuse(std::move(answer), route_->path);
        }
        if (const auto length = parser_->content_length(); length && *length > route_->bodyLimit) {
            return refuse(ErrorAnswer(413, "", BodyTooLarge()), route_->path);
        }
        parser_->body_limit(route_->bodyLimit);
        http::async_read(
            stream_, buffer_, *parser_,
            [self = shared_from_this()](beast::error_code error, std::size_t) { self->onBody(error); });
    }

    std::string BodyTooLarge() const {
        return route_->path.data() + std::string(" takes a body of at most ") +
               std::to_string(route_->bodyLimit) + " bytes";
    }

    void onBody(beast::error_code error) {
        if (error == http::error::body_limit)
            return refuse(ErrorAnswer(413, "", BodyTooLarge()), route_->path);
        if (error) return close();
        auto& message = parser_->get();
        ServiceRequest request;
        request.method = std::string(message.method_string());
        const std::string target(message.target());
        const auto query = target.find('?');
        request.path = target.substr(0, query);
        if (query != std::string::npos) request.query = target.substr(query + 1);
        request.accept = std::string(message[http::field::accept]);
        request.body = std::move(message.body());
        const ServiceAnswer answer = tWorker->answer(request);
        respond(answer, route_->path, message.keep_alive());
    }

    // Answers before the body is read; the body is not read at all, so the
    // connection closes after the answer.
    void refuse(ServiceAnswer answer, std::string_view route) { respond(answer, route, false); }

    void respond(const ServiceAnswer& answer, std::string_view route, bool keepAlive) {
        const auto& request = parser_->get();
        const bool keep = keepAlive && !state_.stopping;
        response_ = {static_cast<http::status>(answer.status), request.version()};
        response_.set(http::field::content_type, answer.contentType);
        for (const auto& [name, value] : answer.headers) response_.set(name, value);
        response_.keep_alive(keep);
        if (request.method() == http::verb::head) {
            // The length a GET's body would have, and no body.
            response_.body().clear();
            response_.content_length(answer.body.size());
        } else {
            response_.body() = answer.body;
            response_.prepare_payload();
        }
        const auto microseconds = static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started_).count());
        state_.metrics.count(route, answer.status, microseconds);
        LogRequest(std::string(request.method_string()), std::string(route), answer.status, microseconds);
        stream_.expires_after(state_.requestTimeout);
        http::async_write(stream_, response_,
                          [self = shared_from_this(), keep](beast::error_code error, std::size_t) {
                              if (error || !keep) return self->close();
                              self->readHeader();
                          });
    }

    // Says the answer is all, then reads what the client still sends until it
    // closes too (or the timeout passes): a client still sending a refused
    // body would otherwise meet a reset and lose the answer.
    void drainThenClose() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
        stream_.expires_after(state_.requestTimeout);
        drain();
    }

    void drain() {
        stream_.async_read_some(asio::buffer(drain_),
                                [self = shared_from_this()](beast::error_code error, std::size_t) {
                                    if (error) return self->close();
                                    self->drain();
                                });
    }

    void close() {
        busy_ = false;
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
        stream_.close();
        const std::lock_guard lock(state_.connectionsMutex);
        state_.connections.erase(shared_from_this());
    }

    beast::tcp_stream stream_;
    ServerState& state_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    http::response<http::string_body> response_;
    const Route* route_ = nullptr;
    Clock::time_point started_;
    bool busy_ = false;
    std::array<char, 16 * 1024> drain_;
};

class Listener {
public:
    Listener(asio::io_context& io, tcp::acceptor& acceptor, ServerState& state)
        : io_(io), acceptor_(acceptor), state_(state) {}

    void accept() {
        acceptor_.async_accept(asio::make_strand(io_), [this](beast::error_code error, tcp::socket socket) {
            if (state_.stopping || !acceptor_.is_open()) return;
            if (!error) {
                auto connection = std::make_shared<Connection>(std::move(socket), state_);
                {
                    const std::lock_guard lock(state_.connectionsMutex);
                    state_.connections.insert(connection);
                }
                connection->start();
            }
            accept();
        });
    }

private:
    asio::io_context& io_;
    tcp::acceptor& acceptor_;
    ServerState& state_;
};

}  // namespace

int RunServer(const ServerOptions& options) {
    asio::io_context io(options.threads);
    tcp::acceptor acceptor(io);
    try {
        const tcp::endpoint endpoint(asio::ip::make_address(options.address), options.port);
        acceptor.open(endpoint.protocol());
        acceptor.set_option(asio::socket_base::reuse_address(true));
        acceptor.bind(endpoint);
        acceptor.listen(asio::socket_base::max_listen_connections);
    } catch (const boost::system::system_error& error) {
        std::cerr << "keld-serve: cannot listen on " << options.address << ':' << options.port << ": "
                  << error.code().message() << '\n';
        return 1;
    }

    ServerState state;
    state.requestTimeout = options.requestTimeout;
    // Each thread opens its own database session before any request comes.
    std::vector<std::unique_ptr<ServiceWorker>> workers;
    for (int i = 0; i < options.threads; ++i) {
        workers.push_back(
            std::make_unique<ServiceWorker>(options.databasePath, options.scratchFolder, state.metrics));
    }
    if (!workers.front()->databaseOpen())
        std::cerr << "keld-serve: cannot open the database " << options.databasePath
                  << " (/readyz says so)\n";

    asio::signal_set signals(io, SIGTERM, SIGINT);
    signals.async_wait([&](beast::error_code, int) {
        state.stopping = true;
        beast::error_code ignored;
        acceptor.close(ignored);
        const std::lock_guard lock(state.connectionsMutex);
        for (const auto& connection : state.connections) connection->stopWhenIdle();
    });
    Listener listener(io, acceptor, state);
    listener.accept();
    const tcp::endpoint bound = acceptor.local_endpoint();
    std::cerr << "keld-serve: listening on " << bound.address().to_string() << ':' << bound.port()
              << std::endl;

    std::vector<std::thread> threads;
    for (int i = 1; i < options.threads; ++i) {
        threads.emplace_back([&io, worker = workers[static_cast<std::size_t>(i)].get()] {
            tWorker = worker;
            io.run();
        });
    }
    tWorker = workers.front().get();
    io.run();
    for (auto& thread : threads) thread.join();
    // Stopping already: a second SIGTERM (a supervisor's, a balancer's) must
    // not end the process while it cleans up. The signals are held back while
    // the handlers change, so that none meets the default action between.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    beast::error_code ignored;
    signals.clear(ignored);
    std::signal(SIGTERM, SIG_IGN);
    std::signal(SIGINT, SIG_IGN);
    pthread_sigmask(SIG_UNBLOCK, &stops, nullptr);
    return 0;
}

}  // namespace keld::serve
