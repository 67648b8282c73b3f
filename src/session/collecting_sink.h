// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/message_sink.h"

namespace keld {

// The message boxes of a command-line run: kept in order, and, when an echo
// stream is set, also printed there as "[caption] text" the moment they are
// shown.
class CollectingSink : public MessageSink {
public:
    struct Message {
        std::string caption;
        std::string text;
    };

    void show(const std::string& text, const std::string& caption) override {
        messages_.push_back({caption, text});
        if (echo_ != nullptr) print(messages_.back());
    }

    // Prints the messages kept so far to `stream`, then every later one as it
    // is shown; null keeps them only.
    void echoTo(std::ostream* stream) {
        echo_ = stream;
        if (echo_ == nullptr) return;
        for (const Message& message : messages_) print(message);
    }

    const std::vector<Message>& messages() const { return messages_; }
    // Forgets the messages kept so far.
    void clear() { messages_.clear(); }

private:
    void print(const Message& message) { *echo_ << '[' << message.caption << "] " << message.text << '\n'; }

    std::vector<Message> messages_;
    std::ostream* echo_ = nullptr;
};

}  // namespace keld
