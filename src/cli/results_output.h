// SPDX-License-Identifier: MIT
#pragma once

#include <iostream>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

#include "reports/pdflib_staged_file.h"

namespace keld::cli {

// Where the results go: standard output, or a file that replaces an earlier
// one of its name only once the whole schedule has been written. The file's
// bytes go through the staged file's checked writes, so that a full disk
// leaves the earlier results in place and is reported with its own reason.
class ResultsOutput : private std::streambuf {
public:
    explicit ResultsOutput(const std::optional<std::string>& path) : path_(path), file_(this) {
        setp(buffer_, buffer_ + sizeof buffer_);
    }

    // Empty, or why the file cannot be written.
    std::string open() {
        if (!path_) return {};
        if (!staged_.create(*path_)) return staged_.failure();
        return {};
    }
    std::ostream& stream() { return path_ ? file_ : std::cout; }
    bool good() { return stream().good(); }
    // Empty, or why the results did not all reach the file.
    std::string commit() {
        if (!path_) return {};
        sync();
        if (!staged_.commit()) return staged_.failure();
        return {};
    }

private:
    int overflow(int c) override {
        if (sync() != 0) return traits_type::eof();
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }
    int sync() override {
        const bool written = staged_.write(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof buffer_);
        return written ? 0 : -1;
    }

    std::optional<std::string> path_;
    StagedFile staged_;
    char buffer_[64 * 1024];
    std::ostream file_;
};

}  // namespace keld::cli
