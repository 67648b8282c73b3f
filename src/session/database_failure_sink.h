// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "base/message_sink.h"

namespace keld {

// The message sink of the performance database: passes every message box on
// to `target` and notes that one was shown. The database layer shows only
// failures (a statement that fails, a correction factor that cannot be read,
// "DATA ERROR!"), and the run carries on after most of them, so a selection
// session learns from here that the figures rest on data that could not be
// read.
class DatabaseFailureSink : public MessageSink {
public:
    explicit DatabaseFailureSink(MessageSink& target) : target_(target) {}

    void show(const std::string& text, const std::string& caption) override {
        failures_.push_back(text);
        target_.show(text, caption);
    }

    bool failureShown() const { return !failures_.empty(); }
    // The texts shown so far, in order.
    const std::vector<std::string>& failures() const { return failures_; }
    // For the next selection on the same database.
    void forgetFailures() { failures_.clear(); }

private:
    MessageSink& target_;
    std::vector<std::string> failures_;
};

}  // namespace keld
