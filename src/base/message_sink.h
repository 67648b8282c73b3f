// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/program_identity.h"

namespace keld {

// Where the core sends what the program shows in a message box. The window
// shows a modal box, the command line prints, tests record the texts in order.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text, const std::string& caption) = 0;
};

}  // namespace keld
