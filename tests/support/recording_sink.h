// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "db/message_sink.h"

namespace keld::test {

// A message sink that keeps every message box the core shows, in order, so a
// test can assert on the exact captions and texts.
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

    void show(const std::string& text, const std::string& caption) override {
        messages_.push_back({caption, text});
    }

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};

}  // namespace keld::test
