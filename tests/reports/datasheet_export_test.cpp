// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "datasheet_fixture.h"
#include "selection/page/selection_page.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

using test::PdfInfoField;

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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
    // "€" and "·" print in Helvetica, which holds them, the rest in the
    // Chinese font; all comes back as typed.
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
        {"北京医院项目", 122, 719}, {"Acme制冷", 322, 719}, {"客户€", 442, 719}, {"A-01·B", 442, 735}};
    for (const auto& field : fields) {
        for (int page : {1, 2}) {
            const auto places = test::FindText(words, page, field.text);
            ASSERT_EQ(places.size(), 1u) << field.text << " on page " << page;
            EXPECT_NEAR(places[0].left, field.x, 0.5) << field.text;
            EXPECT_NEAR(places[0].baseline, field.y, 2.0) << field.text;
        }
    }
}

// A picture that is missing, empty, cut short or no JPEG at all ends the
// drawing: its error is shown once, nothing is written, and the good
// datasheet of the same name from before stays as it was.
TEST(DatasheetExport, AnInterruptedDatasheetNeverReplacesAnEarlierOne) {
    const std::string badge = test::ReadFile(test::BuildFolder() + "/AHRI.jpg");
    const struct {
        const char* name;
        const char* picture;
        std::optional<std::string> content;  // none: the file is removed
        const char* messagePart;
    } cases[] = {
        {"logo missing", "norvex_Min.jpg", std::nullopt,
         "norvex_Min.jpg (libharu error 0x1017, No such file or directory)"},
        {"logo no JPEG", "norvex_Min.jpg", "GIF89a", "norvex_Min.jpg"},
        {"badge cut short", "AHRI.jpg", badge.substr(0, badge.size() / 2),
         "AHRI.jpg, Premature end of JPEG file"},
        {"badge empty", "AHRI.jpg", "", "AHRI.jpg, Empty input file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::DatasheetRig rig;
        const std::filesystem::path pictures = rig.folder().path() / "pictures";
        std::filesystem::create_directory(pictures);
        for (const char* file : {"norvex_Min.jpg", "AHRI.jpg"})
            std::filesystem::copy_file(test::BuildFolder() + "/" + file, pictures / file);
        // QTK130 at 35 °C is certified: page 1 places the badge too.
        DatasheetInputs inputs = test::CentrifugalInputs();
        inputs.moduleDirectory = pictures.string();
        ASSERT_TRUE(rig.write(inputs).complete);
        const std::string earlier = test::ReadFile(rig.path());

        if (c.content) {
            test::WriteFile((pictures / c.picture).string(), *c.content);
        } else {
            std::filesystem::remove(pictures / c.picture);
        }
        const ExportResult result = rig.write(inputs);
        EXPECT_EQ(result.status, ExportStatus::Interrupted);
        EXPECT_FALSE(result.complete);
        ASSERT_EQ(rig.messages().size(), 1u);
        EXPECT_EQ(rig.messages()[0].caption, "JVT");
        EXPECT_NE(rig.messages()[0].text.find(c.messagePart), std::string::npos) << rig.messages()[0].text;
        EXPECT_EQ(test::ReadFile(rig.path()), earlier);
        EXPECT_EQ(FolderEntries(rig.folder().path()),
                  (std::vector<std::string>{"datasheet.pdf", "pictures"}));

        // The writer is ready for the next export.
        rig.sink().clear();
        EXPECT_TRUE(rig.write(test::CentrifugalInputs(), "next.pdf").complete);
        EXPECT_EQ(PdfInfoField(rig.path("next.pdf"), "Pages"), "2");
    }
}

// The command from the restore of the marked row on, as the window and the
// command line run it.
class DatasheetCommand : public ::testing::Test {
protected:
    DatasheetCommand() : page(LaunchParameters{}, rig.sink()) {}

    // A centrifugal row computed at 10 °C ambient, while the page now shows 35 °C.
    void addRowComputedAt10Degrees() {
        ResultTable& results = page.results();
        const DatasheetInputs unit = test::CentrifugalInputs();
        results.insertRow(0, unit.modelName);
        const unsigned id = results.createRecord();
        results.setCell(0, column::kRecordId, ResultTable::RecordIdText(id));
        ModelResult& record = *results.recordOfRow(0);
        record.modelName = unit.modelName;
        record.figures = unit.figures;
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

// Whatever goes wrong on the way (the date, the writer, a failure that is
// no error type of the program), the export shows it and returns.
TEST_F(DatasheetCommand, EveryFailureEndsAtTheExportsBoundary) {
    addRowComputedAt10Degrees();
    page.results().markRow(0);
    const struct {
        const char* name;
        DateProvider today;
        bool documentAlreadyOpen;
        const char* message;
    } cases[] = {
        {"a standard exception", []() -> CalendarDate { throw std::runtime_error("no calendar"); }, false,
         "no calendar"},
        {"something else thrown", []() -> CalendarDate { throw 7; }, false,
         "The datasheet could not be drawn."},
        {"writer not ready",
         [] {
             return CalendarDate{2024, 3, 7};
         },
         true, "Call not allowed in the document's current state: a document is already open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.sink().clear();
        if (c.documentAlreadyOpen) {
            ASSERT_EQ(rig.pdf().open_file(rig.path("other.pdf")), 1);
        }
        ExportRequest failing = request();
        failing.today = c.today;
        ExportResult result;
        EXPECT_NO_THROW(result = ExportDatasheet(failing));
        EXPECT_EQ(result.status, ExportStatus::Interrupted);
        ASSERT_EQ(rig.messages().size(), 1u);
        EXPECT_EQ(rig.messages()[0].caption, "JVT");
        EXPECT_TRUE(rig.messages()[0].text.starts_with(c.message)) << rig.messages()[0].text;
        EXPECT_EQ(FolderEntries(rig.folder().path()), std::vector<std::string>{});
    }
    rig.sink().clear();
    EXPECT_TRUE(ExportDatasheet(request()).complete);
}

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
