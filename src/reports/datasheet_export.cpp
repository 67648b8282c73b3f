// SPDX-License-Identifier: MIT
#include "reports/datasheet_export.h"

#include "db/message_sink.h"
#include "reports/datasheet.h"
#include "reports/pdflib.h"
#include "selection/launch_parameters.h"
#include "selection/selection_page.h"

namespace keld {
namespace {

constexpr const char* kOpenFileError = "Open PDF file error";

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
    inputs.row = page.results().row(row);
    inputs.conditions = page.conditions();
    inputs.brand = page.launch().Brand;
    inputs.moduleDirectory = request.moduleDirectory;
    inputs.buildDate = request.buildDate;
    inputs.texts = request.texts;
    inputs.printDate = request.today ? request.today() : LocalDate();
    return inputs;
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
    if (pdf.open_file(path) == -1) {
        messages.show(kOpenFileError, kApplicationTitle);
        return {ExportStatus::OpenFailed, false};
    }

    ReportContext report{pdf, database, messages, inputs};
    bool complete = false;
    try {
        SetDocumentInformation(pdf, inputs.brand);
        complete = DrawDatasheet(report);
    } catch (const PDFlib::Exception& error) {
        messages.show(error.get_errmsg(), kApplicationTitle);
    }
    pdf.close();
    if (pdf.closeFailed()) {
        messages.show(kOpenFileError, kApplicationTitle);
        return {ExportStatus::SaveFailed, false};
    }
    return {ExportStatus::Written, complete};
}

ExportResult WriteDatasheet(const ExportRequest& request, int row) {
    return WriteDatasheetFile(request.pdf, request.database, request.messages, InputsFor(request, row),
                              request.path);
}

ExportResult ExportDatasheet(const ExportRequest& request) {
    const std::optional<int> row = MarkedRowForDatasheet(request.page, request.messages);
    if (!row) return {ExportStatus::NoMarkedRow, false};
    return WriteDatasheet(request, *row);
}

}  // namespace keld
