// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

#include "db/database_error.h"
#include "db/message_sink.h"

namespace keld::cli {

// Passes every message box on to `target` and notes whether one of them told
// of a database failure. The core reports such a failure with a message and
// carries on, or ends the command quietly, so the command line learns of it
// from where the message comes from, never from its wording:
// - the sink of PerformanceDatabase notes every message: the database layer
//   shows only failures (a statement that fails, a correction factor that
//   cannot be read, "DATA ERROR!");
// - the sink of the selection page notes the messages shown while a
//   DatabaseError is being handled: a run shows the error's text from the
//   handler that caught it (the candidate walk's "Read data Error:", or the
//   error that ended the run before the walk).
class DatabaseFailureSink : public MessageSink {
public:
    enum class Notes { EveryMessage, MessagesWhileHandlingDatabaseError };

    DatabaseFailureSink(MessageSink& target, Notes notes) : target_(target), notes_(notes) {}

    void show(const std::string& text, const std::string& caption) override {
        if (notes_ == Notes::EveryMessage || HandlingDatabaseError()) failureShown_ = true;
        target_.show(text, caption);
    }

    bool failureShown() const { return failureShown_; }

private:
    static bool HandlingDatabaseError() {
        const std::exception_ptr handled = std::current_exception();
        if (!handled) return false;
        try {
            std::rethrow_exception(handled);
        } catch (const DatabaseError&) {
            return true;
        } catch (...) {
            return false;
        }
    }

    MessageSink& target_;
    Notes notes_;
    bool failureShown_ = false;
};

}  // namespace keld::cli
