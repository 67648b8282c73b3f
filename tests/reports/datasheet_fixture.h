// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "datasheet_pdf_reader.h"
#include "db/performance_database.h"
#include "reports/datasheet_export.h"
#include "reports/pdflib.h"
#include "support/fixture_database.h"
#include "support/pdf_tools.h"
#include "support/recording_sink.h"

namespace keld::test {

// The datasheet tables of a few units whose figures the tests control:
// "EXCEL_NEW" rows for QTK130GN5-LQE, the combined QTK220GN5-LQE,
// QHK150GP5-LQE, the combined QHK245GP5-LQE, QSK325GV5-LQE, QSK200GV5-LQE and
// QTK9'9GN5-LQE; AHRI part-load points for QTK130 (4), QHK150 (3), QSK325 (5)
// and QHK245 (4); GB points for QTK130 (4). QSK200 has no part-load points.
extern const char* const kDatasheetTablesSql;

// The folder where the build puts the three JPEG files.
std::string BuildFolder();

// A marked row of a centrifugal chiller run at the page's defaults: 35 °C
// ambient, water 12 → 7 °C, fouling 0.018, sea level, AHRI, Norvex.
DatasheetInputs CentrifugalInputs(const std::string& model = "QTK130GN5-LQE");
// A screw chiller row (unit type chiller) at the same conditions.
DatasheetInputs ScrewChillerInputs(const std::string& model);
// A screw heat-pump row, heating at 7 °C ambient, 40 → 45 °C.
DatasheetInputs HeatPumpInputs(const std::string& model = "QHK150GP5-LQE");
// The same inputs with 30 % glycol selected.
DatasheetInputs WithGlycol(DatasheetInputs inputs, int percent = 30);

// Writes datasheets from a fixture database into a scratch folder and reads
// them back.
class DatasheetRig {
public:
    explicit DatasheetRig(const std::string& sql = kDatasheetTablesSql);

    // Writes `inputs` to <scratch>/<name>; the images come from the build
    // folder unless the inputs name another one.
    ExportResult write(const DatasheetInputs& inputs, const std::string& name = "datasheet.pdf");

    std::string path(const std::string& name = "datasheet.pdf") const { return folder_.file(name); }
    std::vector<PdfWord> words(const std::string& name = "datasheet.pdf") const {
        return ReadPdfWords(path(name));
    }
    const std::vector<RecordingSink::Message>& messages() const { return sink_.messages(); }
    RecordingSink& sink() { return sink_; }
    PerformanceDatabase& database() { return database_; }
    PDFlib& pdf() { return pdf_; }
    const ScratchFolder& folder() const { return folder_; }

private:
    FixtureDatabase fixture_;
    RecordingSink sink_;
    PerformanceDatabase database_;
    PDFlib pdf_;
    ScratchFolder folder_;
};

}  // namespace keld::test
