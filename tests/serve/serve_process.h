// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace keld::test {

// A keld-serve of this build on a free loopback port, started by the test and
// stopped by its pid (SIGTERM, then SIGKILL if it does not end in time).
class ServeProcess {
public:
    // `args` come after --listen 127.0.0.1:0; `tmpdir` becomes the program's
    // TMPDIR when not empty.
    explicit ServeProcess(const std::vector<std::string>& args = {}, const std::string& tmpdir = {});
    ~ServeProcess();
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;

    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    // Sends SIGTERM and waits for the end (at most 20 s); the exit status, -1
    // when it did not exit normally.
    int stop();
    // Everything the program wrote on standard error so far (after stop(): all).
    const std::string& log();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    int errFd_ = -1;
    std::string log_;
};

struct HttpReply {
    int status = 0;                              // 0: no answer, the connection closed
    std::map<std::string, std::string> headers;  // names in lower case
    std::string body;
};

// One request on its own connection ("Connection: close"), the answer read
// to the end (at most 30 s).
HttpReply Http(int port, const std::string& method, const std::string& target, const std::string& body = {},
               const std::vector<std::string>& headers = {});

// A raw connection to the port: send what you like, read the answer.
class RawConnection {
public:
    explicit RawConnection(int port);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;
    void send(const std::string& bytes);
    // Reads until the peer closes (at most `seconds`); the bytes read.
    std::string readToClose(int seconds = 30);

private:
    int fd_ = -1;
};

// An answer's bytes as status, header fields and body.
HttpReply ParseReply(const std::string& bytes);

}  // namespace keld::test
