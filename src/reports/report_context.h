// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "reports/datasheet_inputs.h"
#include "reports/report_geometry.h"

namespace keld {

class MessageSink;
class PDFlib;
class PerformanceDatabase;

// What one export draws with, and the report state its pages share. The
// writer, database and message sink belong to the caller and outlive the
// export; the state starts fresh with every export.
struct ReportContext {
    PDFlib& pdf;
    PerformanceDatabase& database;
    MessageSink& messages;
    const DatasheetInputs& inputs;

    int RowPitch = geometry::kRowPitch;               // height of one table row on both pages
    float ColumnWidth = geometry::kPage1ColumnWidth;  // column width of the table being drawn
    float HalfWidth = geometry::kHalfWidth;           // column width of the two-column sections
    // Page 1 placed the AHRI certification logo; page 2 repeats it and clears
    // the flag, so every finished export leaves it false.
    bool AhriCertifiedFlag = false;
    // A database message was shown while the sheet's figures were read (a
    // table or field missing or unreadable, a model without its row): the
    // sheet is written, but rests on figures it could not read.
    bool databaseFailed = false;
    // The characters of the project fields that no font prints have been
    // reported; page 2 repeats the same fields and stays quiet.
    bool unprintableReported = false;

    // Lower line and text baseline of page-grid row k.
    float RowLine(int k) const { return geometry::kGridTop - static_cast<float>(k * RowPitch); }
    float RowBaseline(int k) const { return RowLine(k) + geometry::kBaselineAboveLine; }

    bool secondBrand() const;
};

}  // namespace keld
