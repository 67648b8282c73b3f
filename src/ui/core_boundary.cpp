// SPDX-License-Identifier: MIT
#include "ui/core_boundary.h"

#include "base/message_sink.h"
#include "base/program_identity.h"
#include "reports/pdflib.h"

namespace keld::ui {
namespace {

constexpr const char* kCommandFailed = "The command could not be completed.";

}  // namespace

bool CoreBoundary::run(const std::function<void()>& call) noexcept {
    try {
        enter(call);
        return true;
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        try {
            messages_.show(CoreFailureText(error), kApplicationTitle);
        } catch (...) {
            // Not even the box could be shown (no memory left): the window
            // still goes on rather than end with the user's inputs.
        }
        return false;
    }
}

std::string CoreFailureText(const std::exception_ptr& error) {
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const PDFlib::Exception& failure) {
        text = failure.get_errmsg();
    } catch (const std::exception& failure) {
        // A database error's text names what went wrong, as its own boxes do.
        text = failure.what();
    } catch (...) {
    }
    return text.empty() ? std::string(kCommandFailed) : text;
}

}  // namespace keld::ui
