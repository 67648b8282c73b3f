// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "datasheet_fixture.h"
#include "selection/result_columns.h"
#include "selection/selection_page.h"

namespace keld {
namespace {

using test::PdfInfoField;

TEST(DatasheetExport, WritesTwoA4PagesWithTheBrandsDocumentInformation) {
    for (const char* brand : {"Norvex", "BREXAL"}) {
        test::DatasheetRig rig;
        DatasheetInputs inputs = test::CentrifugalInputs();
        inputs.brand = brand;
        const ExportResult result = rig.write(inputs);
        EXPECT_EQ(result.status, ExportStatus::Written);
        EXPECT_TRUE(result.complete);

        const std::string author = std::string(brand) == "BREXAL" ? "Brexal" : "Norvex";
        const std::string path = rig.path();
        EXPECT_EQ(PdfInfoField(path, "Pages"), "2");
        EXPECT_EQ(PdfInfoField(path, "Page size"), "595 x 842 pts (A4)");
        EXPECT_EQ(PdfInfoField(path, "Creator"), "PDF Creator");
        EXPECT_EQ(PdfInfoField(path, "Author"), author);
        EXPECT_EQ(PdfInfoField(path, "Title"), "Convert to PDF");
        EXPECT_EQ(PdfInfoField(path, "Subject"), "PDF Creator");
        EXPECT_EQ(PdfInfoField(path, "Keywords"), author);
        const test::CommandResult check = test::Run("qpdf --check " + test::ShellQuoted(path));
        EXPECT_EQ(check.exitCode, 0) << check.output;
    }
}

TEST(DatasheetExport, ChineseProjectTextsAndFileNamesSurvive) {
    test::DatasheetRig rig;
    const std::filesystem::path folder = rig.folder().path() / "数据表";
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "冷水机组 选型.pdf").string();

    DatasheetInputs inputs = test::CentrifugalInputs();
    // "€" is outside GB 2312 and prints as "?"; the rest comes back as typed.
    inputs.texts = {"北京医院项目", "Acme制冷", "客户€", "A-01·B"};
    const ExportResult result = WriteDatasheetFile(rig.pdf(), rig.database(), rig.sink(), inputs, path);
    ASSERT_EQ(result.status, ExportStatus::Written);
    EXPECT_TRUE(result.complete);

    // Each field starts at its place on both pages, Latin and Chinese
    // characters continuing one after the other.
    const auto words = test::ReadPdfWords(path);
    const struct {
        const char* text;
        double x;
        double y;
    } fields[] = {
        {"北京医院项目", 122, 719}, {"Acme制冷", 322, 719}, {"客户?", 442, 719}, {"A-01·B", 442, 735}};
    for (const auto& field : fields) {
        for (int page : {1, 2}) {
            const auto places = test::FindText(words, page, field.text);
            ASSERT_EQ(places.size(), 1u) << field.text << " on page " << page;
            EXPECT_NEAR(places[0].left, field.x, 0.5) << field.text;
            EXPECT_NEAR(places[0].baseline, field.y, 2.0) << field.text;
        }
    }
}

TEST(DatasheetExport, MissingLogoEndsTheDrawingButSavesAValidFile) {
    test::DatasheetRig rig;
    DatasheetInputs inputs = test::CentrifugalInputs();
    inputs.moduleDirectory = rig.folder().file("no-images-here");
    const ExportResult result = rig.write(inputs);
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_FALSE(result.complete);
    ASSERT_EQ(rig.messages().size(), 1u);
    EXPECT_EQ(rig.messages()[0].caption, "JVT");
    EXPECT_FALSE(rig.messages()[0].text.empty());

    EXPECT_EQ(PdfInfoField(rig.path(), "Pages"), "1");
    EXPECT_EQ(test::Run("qpdf --check " + test::ShellQuoted(rig.path())).exitCode, 0);

    // The writer is ready for the next export.
    rig.sink().clear();
    EXPECT_TRUE(rig.write(test::CentrifugalInputs(), "next.pdf").complete);
    EXPECT_EQ(PdfInfoField(rig.path("next.pdf"), "Pages"), "2");
}

TEST(DatasheetExport, UnwritableTargetShowsTheFileErrorAndKeepsWhatIsThere) {
    test::DatasheetRig rig;
    const std::string existing = rig.folder().file("existing.pdf");
    test::WriteFile(existing, "an earlier datasheet");
    std::filesystem::create_directory(rig.folder().file("folder.pdf"));

    const char* targets[] = {"missing/datasheet.pdf", "folder.pdf", "existing.pdf/datasheet.pdf"};
    for (const char* target : targets) {
        rig.sink().clear();
        const ExportResult result = rig.write(test::CentrifugalInputs(), target);
        EXPECT_EQ(result.status, ExportStatus::OpenFailed) << target;
        EXPECT_EQ(rig.messages(), (std::vector<test::RecordingSink::Message>{{"JVT", "Open PDF file error"}}))
            << target;
    }
    EXPECT_EQ(test::ReadFile(existing), "an earlier datasheet");
    EXPECT_TRUE(std::filesystem::is_directory(rig.folder().file("folder.pdf")));
    EXPECT_TRUE(std::filesystem::is_empty(rig.folder().file("folder.pdf")));
}

// The command from the restore of the marked row on, as the window and the
// command line run it.
class DatasheetCommand : public ::testing::Test {
protected:
    DatasheetCommand() : page(LaunchParameters{}, rig.sink()) {}

    // A centrifugal row computed at 10 °C ambient, while the page now shows 35 °C.
    void addRowComputedAt10Degrees() {
        ResultTable& results = page.results();
        const DatasheetInputs cells = test::CentrifugalInputs();
        results.insertRow(0, cells.row[column::kModel]);
        for (int c = 1; c < column::kRecordId; ++c)
            results.setCell(0, c, cells.row[static_cast<std::size_t>(c)]);
        const unsigned id = results.createRecord();
        results.setCell(0, column::kRecordId, ResultTable::RecordIdText(id));
        ModelResult& record = *results.recordOfRow(0);
        record.modelName = cells.row[column::kModel];
        record.coolingAmbientTemp = 10;
        record.coolingInletTemp = 12;
        record.coolingOutletTemp = 7;
        record.coolingWaterFlow = 22.07f;
        record.foulingFactor = 0.018f;
    }

    ExportRequest request() {
        return {rig.pdf(),
                page,
                rig.database(),
                rig.sink(),
                test::BuildFolder(),
                "2022/11/30",
                {},
                rig.path(),
                [] {
                    return CalendarDate{2024, 3, 7};
                }};
    }

    test::DatasheetRig rig;
    SelectionPage page;
};

TEST_F(DatasheetCommand, WithoutAMarkedRowOnlyAsksForOne) {
    addRowComputedAt10Degrees();
    const ExportResult result = ExportDatasheet(request());
    EXPECT_EQ(result.status, ExportStatus::NoMarkedRow);
    EXPECT_EQ(rig.messages(),
              (std::vector<test::RecordingSink::Message>{{"JVT", "Please select the model on the list"}}));
    EXPECT_FALSE(std::filesystem::exists(rig.path()));
}

TEST_F(DatasheetCommand, PrintsTheConditionsTheMarkedRowWasComputedFor) {
    addRowComputedAt10Degrees();
    page.results().markRow(0);
    const ExportResult result = ExportDatasheet(request());
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_TRUE(result.complete);
    const auto words = rig.words();
    EXPECT_TRUE(test::HasTextAt(words, 1, "10.0", 172, 559));
    EXPECT_TRUE(test::HasTextAt(words, 1, "Print Date:2024/3/7", 460, 749));
    EXPECT_TRUE(test::HasTextOnLine(words, 1, "1.Outside the scope", 206));
}

}  // namespace
}  // namespace keld
