// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "reports/datasheet_inputs.h"

namespace keld {

class MessageSink;
class PDFlib;
class PerformanceDatabase;
class SelectionPage;

// What the PDF command needs once the user has answered its dialogs.
struct ExportRequest {
    PDFlib& pdf;                    // the main window's writer; no document open
    SelectionPage& page;            // holds the result list and its mark
    PerformanceDatabase& database;  // the open performance database
    MessageSink& messages;          // every message box of the export
    std::string moduleDirectory;    // the program's directory, no trailing "/"
    std::string buildDate;          // "2022/11/30"
    ProjectTexts texts;             // from the project information dialog
    std::string path;               // the chosen file, UTF-8, passed on unconverted
    DateProvider today = LocalDate;
};

enum class ExportStatus {
    Written,      // the file holds the datasheet
    NoMarkedRow,  // "Please select the model on the list"; nothing written
    OpenFailed,   // "Open PDF file error"; nothing written, an existing file kept
    Interrupted,  // an error ended the drawing (its text shown); nothing written, an existing file kept
    SaveFailed,   // "Open PDF file error" at the end; an existing file kept
};

struct ExportResult {
    ExportStatus status = ExportStatus::Written;
    // True when the file holds the whole datasheet: written, and no database
    // message was shown while its figures were read. A sheet written without
    // some of its figures (a table, field or row missing) is not complete.
    bool complete = false;
    // Why the file could not be written (OpenFailed, SaveFailed), in the
    // system's words, for the command line; the window shows only "Open PDF
    // file error".
    std::string fileFailure;
};

// The first step of the PDF command, before its dialogs: restores the marked
// row's inputs into the page and returns the marked row, or shows "Please
// select the model on the list" and returns nothing.
std::optional<int> MarkedRowForDatasheet(SelectionPage& page, MessageSink& messages);

// The PDF command after its dialogs, for the marked `row` (the page already
// restored from it): opens the file ("Open PDF file error" when it cannot be
// created), sets the document information, draws both pages and writes the
// file. This is the export's one error boundary: a writer error, a database
// error that ends the drawing or any other failure is shown through the
// request's message sink, the partial document is dropped, so that a good
// earlier file of the same name stays as it was, and nothing is thrown.
// Only a Written sheet is there to be shown in the user's viewer.
ExportResult WriteDatasheet(const ExportRequest& request, int row);

// The file-writing core of WriteDatasheet, for inputs gathered by the
// caller, with the same boundary. The writer must have no document open.
ExportResult WriteDatasheetFile(PDFlib& pdf, PerformanceDatabase& database, MessageSink& messages,
                                const DatasheetInputs& inputs, const std::string& path);

// Both steps without dialogs, as the command line runs them; the same
// boundary holds for the restore of the row.
ExportResult ExportDatasheet(const ExportRequest& request);

}  // namespace keld
