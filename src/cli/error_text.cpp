// SPDX-License-Identifier: MIT
#include "cli/error_text.h"

#include <exception>
#include <iostream>

#include "base/quoted_text.h"
#include "db/database_error.h"
#include "reports/pdflib.h"
#include "session/selection_session.h"

namespace keld::cli {

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const DatabaseError& error) {
        return DatabaseErrorText(error);
    } catch (const PDFlib::Exception& error) {
        // The library's errors are no std::exception: only their message tells.
        return error.get_errmsg();
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an error of an unknown kind ended the command";
    }
}

void ReportDatabaseFailures(const SelectionSession& session) {
    for (const std::string& text : session.databaseFailures()) {
        std::cerr << "keld-cli: database: " << EscapedForTerminal(text) << '\n';
    }
}

}  // namespace keld::cli
