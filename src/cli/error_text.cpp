// SPDX-License-Identifier: MIT
#include "cli/error_text.h"

#include <exception>

#include "db/database_error.h"
#include "reports/pdflib.h"

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

}  // namespace keld::cli
