// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace keld {
class MessageSink;
}

namespace keld::ui {

// Where the window's handlers call into the core: a radio clicked, a field
// entered or left, the fluid chosen, a row marked or clicked, a header
// command. Whatever the core raises there (the database's error, the PDF
// writer's, a failure of the standard library, anything else) is shown in
// one message box with the program's caption and goes no further: the
// toolkit's event loop never meets it and the window lives on with every
// input. A handler whose call failed shows the page's state again, because
// the call may have stopped halfway and the toolkit may already have changed
// the control the user touched.
class CoreBoundary {
public:
    // `messages` (the program's message sink) outlives the boundary.
    explicit CoreBoundary(MessageSink& messages) : messages_(messages) {}
    virtual ~CoreBoundary() = default;
    CoreBoundary(const CoreBoundary&) = delete;
    CoreBoundary& operator=(const CoreBoundary&) = delete;

    // Runs `call`: true when it returned, false when it raised and the box
    // has been shown.
    bool run(const std::function<void()>& call) noexcept;

protected:
    // Makes the call. A test puts a failing core here.
    virtual void enter(const std::function<void()>& call) { call(); }

private:
    MessageSink& messages_;
};

// What the box says about `error`: the error's own text, or for one that has
// none, "The command could not be completed."
std::string CoreFailureText(const std::exception_ptr& error);

}  // namespace keld::ui
