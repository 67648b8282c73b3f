// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "db/message_sink.h"

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
        failureShown_ = true;
        target_.show(text, caption);
    }

    bool failureShown() const { return failureShown_; }

private:
    MessageSink& target_;
    bool failureShown_ = false;
};

}  // namespace keld
