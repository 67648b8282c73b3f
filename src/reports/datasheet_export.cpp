// SPDX-License-Identifier: MIT
#include "reports/datasheet_export.h"

#include <exception>
#include <string>

#include "base/message_sink.h"
#include "reports/datasheet.h"
#include "reports/pdflib.h"
#include "reports/report_context.h"
#include "selection/launch_parameters.h"
#include "selection/page/selection_page.h"

namespace keld {
namespace {

constexpr const char* kOpenFileError = "Open PDF file error";
// For a failure that carries no text of its own.
constexpr const char* kDrawingFailed = "The datasheet could not be drawn.";

void SetDocumentInformation(PDFlib& pdf, const std::string& brand) {
    const char* maker = brand == kSecondBrand ? "Brexal" : "Norvex";
    pdf.set_info("Creator", "PDF Creator");
    pdf.set_info("Author", maker);
    pdf.set_info("Title", "Convert to PDF");
    pdf.set_info("Subject", "PDF Creator");
    pdf.set_info("Keywords", maker);
}

DatasheetInputs InputsFor(const ExportRequest& request, int row) {
    SelectionPage& page = request.page;
    DatasheetInputs inputs;
    inputs.modelName = page.results().cell(row, column::kModel);
    if (const ModelResult* record = page.results().recordOfRow(row)) inputs.figures = record->figures;
    inputs.conditions = page.conditions();
    inputs.brand = page.launch().Brand;
    inputs.moduleDirectory = request.moduleDirectory;
    inputs.buildDate = request.buildDate;
    inputs.texts = request.texts;
    inputs.printDate = request.today ? request.today() : LocalDate();
    return inputs;
}

// Where every failure of an export ends: the writer's errors, a database
// error that ends the drawing, and anything else the program or the
// standard library raises become one message box. The document drawn so
// far is dropped, so that an interrupted datasheet never replaces a good one.
template <typename Work>
ExportResult WithinExportBoundary(PDFlib& pdf, MessageSink& messages, Work&& work) {
    std::string failure;
    try {
        return work();
    } catch (const PDFlib::Exception& error) {
        failure = error.get_errmsg();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
    }
    pdf.discard();
    messages.show(failure.empty() ? std::string(kDrawingFailed) : failure, kApplicationTitle);
    return {ExportStatus::Interrupted, false, {}};
}

ExportResult WriteFile(PDFlib& pdf, PerformanceDatabase& database, MessageSink& messages,
                       const DatasheetInputs& inputs, const std::string& path) {
    if (pdf.open_file(path) == -1) {
        messages.show(kOpenFileError, kApplicationTitle);
        return {ExportStatus::OpenFailed, false, pdf.fileFailure()};
    }

    ReportContext report{pdf, database, messages, inputs};
    SetDocumentInformation(pdf, inputs.brand);
    DrawDatasheet(report);
    pdf.close();
    if (pdf.closeFailed()) {
        messages.show(kOpenFileError, kApplicationTitle);
        return {ExportStatus::SaveFailed, false, pdf.fileFailure()};
    }
    return {ExportStatus::Written, !report.databaseFailed, {}};
}

}  // namespace

std::optional<int> MarkedRowForDatasheet(SelectionPage& page, MessageSink& messages) {
    page.RestoreInputsFromRow();
    const std::optional<int> row = page.results().markedRow();
    if (!row || *row < 0 || *row >= page.results().rowCount()) {
        messages.show("Please select the model on the list", kApplicationTitle);
        return std::nullopt;
    }
    return row;
}

ExportResult WriteDatasheetFile(PDFlib& pdf, PerformanceDatabase& database, MessageSink& messages,
                                const DatasheetInputs& inputs, const std::string& path) {
    return WithinExportBoundary(pdf, messages,
                                [&] { return WriteFile(pdf, database, messages, inputs, path); });
}

ExportResult WriteDatasheet(const ExportRequest& request, int row) {
    return WithinExportBoundary(request.pdf, request.messages, [&] {
        return WriteFile(request.pdf, request.database, request.messages, InputsFor(request, row),
                         request.path);
    });
}

ExportResult ExportDatasheet(const ExportRequest& request) {
    return WithinExportBoundary(request.pdf, request.messages, [&] {
        const std::optional<int> row = MarkedRowForDatasheet(request.page, request.messages);
        if (!row) return ExportResult{ExportStatus::NoMarkedRow, false, {}};
        return WriteFile(request.pdf, request.database, request.messages, InputsFor(request, *row),
                         request.path);
    });
}

}  // namespace keld
