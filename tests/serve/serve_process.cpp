// SPDX-License-Identifier: MIT
#include "serve/serve_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace keld::test {
namespace {

// Reads what is there on `fd` into `into` within `milliseconds`; false at
// the end of the stream.
bool ReadSome(int fd, std::string& into, int milliseconds) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, milliseconds) <= 0) return true;
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    into.append(buffer, static_cast<std::size_t>(n));
    return true;
}

}  // namespace

ServeProcess::ServeProcess(const std::vector<std::string>& args, const std::string& tmpdir) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        if (!tmpdir.empty()) ::setenv("TMPDIR", tmpdir.c_str(), 1);
        std::vector<std::string> all = {KELD_SERVE, "--listen", "127.0.0.1:0", "--request-timeout", "1"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& arg : all) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(KELD_SERVE, argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    errFd_ = pipeFds[0];
    const std::string marker = "listening on 127.0.0.1:";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto at = log_.find(marker);
        if (at != std::string::npos && log_.find('\n', at) != std::string::npos) {
            port_ = std::atoi(log_.c_str() + at + marker.size());
            return;
        }
        if (!ReadSome(errFd_, log_, 200)) break;
    }
    stop();
    throw std::runtime_error("keld-serve did not start: " + log_);
}

ServeProcess::~ServeProcess() {
    stop();
    if (errFd_ >= 0) ::close(errFd_);
}

int ServeProcess::stop() {
    if (pid_ <= 0) return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        ReadSome(errFd_, log_, 50);
    }
    // The pipe ends when the program has gone; a child it left would hold it
    // open, so the reading is bounded.
    for (int reads = 0; reads < 100 && ReadSome(errFd_, log_, 100);) ++reads;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string& ServeProcess::log() {
    if (errFd_ >= 0) {
        for (pollfd ready{errFd_, POLLIN, 0}; ::poll(&ready, 1, 0) > 0;) {
            if (!ReadSome(errFd_, log_, 0)) break;
        }
    }
    return log_;
}

RawConnection::RawConnection(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot connect to keld-serve");
}

RawConnection::~RawConnection() { ::close(fd_); }

void RawConnection::send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

std::string RawConnection::readToClose(int seconds) {
    std::string bytes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready{fd_, POLLIN, 0};
        if (::poll(&ready, 1, 100) <= 0) continue;
        char buffer[65536];
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

HttpReply ParseReply(const std::string& bytes) {
    HttpReply reply;
    const auto headEnd = bytes.find("\r\n\r\n");
    if (headEnd == std::string::npos || !bytes.starts_with("HTTP/1.1 ")) return reply;
    reply.status = std::atoi(bytes.c_str() + 9);
    std::size_t line = bytes.find("\r\n") + 2;
    while (line < headEnd) {
        const std::size_t end = bytes.find("\r\n", line);
        const std::string field = bytes.substr(line, end - line);
        const auto colon = field.find(':');
        std::string name = field.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        const auto value = field.find_first_not_of(' ', colon + 1);
        reply.headers[name] = value == std::string::npos ? "" : field.substr(value);
        line = end + 2;
    }
    reply.body = bytes.substr(headEnd + 4);
    return reply;
}

HttpReply Http(int port, const std::string& method, const std::string& target, const std::string& body,
               const std::vector<std::string>& headers) {
    std::string request = method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    for (const std::string& header : headers) request += header + "\r\n";
    if (!body.empty() || method == "POST")
        request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    request += "\r\n" + body;
    RawConnection connection(port);
    connection.send(request);
    return ParseReply(connection.readToClose());
}

}  // namespace keld::test
