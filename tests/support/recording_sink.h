// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/message_sink.h"

namespace keld::test {

// Lenient: the sink only records. Strict: every message box shown must be
// taken by the test (take()) and so compared with what it expects; one that
// is left over fails the test.
enum class SinkMode { Lenient, Strict };

// A message sink that keeps every message box the core shows, in order, so a
// test can assert on the exact captions and texts. A strict sink also sees
// to it that nothing is shown behind a test's back: a box the test never
// took fails it when the sink is checked (expectAllTaken()), at the latest
// when the sink is destroyed.
class RecordingSink : public MessageSink {
public:
    struct Message {
        std::string caption;
        std::string text;
        bool operator==(const Message&) const = default;

        // Lets a failed assertion show the box as "[caption] text".
        friend void PrintTo(const Message& message, std::ostream* out) {
            *out << '[' << message.caption << "] " << message.text;
        }
    };

    explicit RecordingSink(SinkMode mode = SinkMode::Lenient) : mode_(mode) {}
    ~RecordingSink() override {
        if (mode_ == SinkMode::Strict) expectAllTaken();
    }
    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;

    void show(const std::string& text, const std::string& caption) override {
        messages_.push_back({caption, text});
    }

    // The messages shown and not yet taken, in order.
    const std::vector<Message>& messages() const { return messages_; }

    // Hands the messages shown since the last take() to the test, which
    // compares them with the ones it expects, and forgets them.
    std::vector<Message> take() { return std::exchange(messages_, {}); }

    // Fails the running test for each message nobody took, then forgets them.
    void expectAllTaken() {
        for (const Message& message : take()) {
            ADD_FAILURE() << "a message box the test did not expect: [" << message.caption << "] "
                          << message.text;
        }
    }

    // Forgets the messages without looking at them: for a lenient sink.
    void clear() { messages_.clear(); }

private:
    SinkMode mode_;
    std::vector<Message> messages_;
};

}  // namespace keld::test
