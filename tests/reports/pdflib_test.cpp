// SPDX-License-Identifier: MIT
#include "reports/pdflib.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/pdf_tools.h"

namespace keld {
namespace {

using test::ReadFile;
using test::Run;
using test::ShellQuoted;

// One A4 page with a line of text and a framed box, as the datasheet draws.
void DrawSamplePage(PDFlib& pdf, const std::string& title) {
    pdf.begin_page(595, 842);
    pdf.setfont(pdf.findfont("Helvetica", "host", 0), 8);
    pdf.setcolor("fill", "rgb", 0, 0, 0, 0);
    pdf.show_xy(title, 52, 751);
    pdf.setlinewidth(1);
    pdf.rect(50, 746, 495, 16);
    pdf.stroke();
    pdf.end_page();
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// pdfinfo's "Key:   value" lines.
std::map<std::string, std::string> PdfInfo(const std::string& path) {
    std::map<std::string, std::string> info;
    std::istringstream lines(Run("pdfinfo " + ShellQuoted(path)).output);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::size_t value = line.find_first_not_of(' ', colon + 1);
        info[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
    }
    return info;
}

bool PassesQpdfCheck(const std::string& path) {
    return Run("qpdf --check " + ShellQuoted(path)).exitCode == 0;
}

class PdfDocument : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    PDFlib pdf;
};

TEST_F(PdfDocument, CloseWritesAValidA4DocumentWithItsInformation) {
    const std::string path = folder.file("QTK130GN5-LQE.pdf");
    ASSERT_EQ(pdf.open_file(path), 1);
    pdf.set_info("Creator", "PDF Creator");
    pdf.set_info("Author", "Norvex");
    pdf.set_info("Title", "Convert to PDF");
    pdf.set_info("Subject", "PDF Creator");
    pdf.set_info("Keywords", "Norvex");
    DrawSamplePage(pdf, "Selection Parameters");
    DrawSamplePage(pdf, "Part Load Data");
    pdf.close();

    EXPECT_FALSE(pdf.closeFailed());
    EXPECT_TRUE(PassesQpdfCheck(path));
    auto info = PdfInfo(path);
    EXPECT_EQ(info["Pages"], "2");
    EXPECT_EQ(info["Page size"], "595 x 842 pts (A4)");
    EXPECT_EQ(info["Creator"], "PDF Creator");
    EXPECT_EQ(info["Author"], "Norvex");
    EXPECT_EQ(info["Title"], "Convert to PDF");
    EXPECT_EQ(info["Subject"], "PDF Creator");
    EXPECT_EQ(info["Keywords"], "Norvex");
    EXPECT_FALSE(info["CreationDate"].empty());
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"QTK130GN5-LQE.pdf"})
        << "no temporary file left";
}

TEST_F(PdfDocument, ASecondDocumentWithTheSameObjectStandsAlone) {
    ASSERT_EQ(pdf.open_file(folder.file("first.pdf")), 1);
    const int firstImage = pdf.open_image_file("jpeg", KELD_BUILD_DIR "/AHRI.jpg", "", 0);
    DrawSamplePage(pdf, "first export");
    pdf.close();

    ASSERT_EQ(pdf.open_file(folder.file("second.pdf")), 1);
    DrawSamplePage(pdf, "second export, page 1");
    DrawSamplePage(pdf, "second export, page 2");
    pdf.begin_page(595, 842);
    // Handles belong to their document.
    EXPECT_THROW(pdf.place_image(firstImage, 460, 757, 0.15f), PDFlib::ValueException);
    pdf.end_page();
    pdf.close();

    EXPECT_FALSE(pdf.closeFailed());
    EXPECT_TRUE(PassesQpdfCheck(folder.file("first.pdf")));
    EXPECT_TRUE(PassesQpdfCheck(folder.file("second.pdf")));
    EXPECT_EQ(PdfInfo(folder.file("first.pdf"))["Pages"], "1");
    EXPECT_EQ(PdfInfo(folder.file("second.pdf"))["Pages"], "3");
}

// open_file refuses with the reason the export passes on; nothing it
// refuses is created, replaced or even staged. Only open_file is called, so
// even a wrong answer could never put a PDF in place of /dev/null.
TEST_F(PdfDocument, OpenFileGivesMinusOneAndTheReasonWhereNoFileCanBeCreated) {
    test::WriteFile(folder.file("plain"), "a file, not a folder");
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0644), 0);
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {folder.file("missing/x.pdf"), std::strerror(ENOENT)},
        {folder.file("plain/x.pdf"), std::strerror(ENOTDIR)},  // "folder" is a file: fails for root too
        {"/proc/version/x.pdf", std::strerror(ENOTDIR)},
        {folder.path().string(), std::strerror(EISDIR)},  // the target is a folder
        {folder.file("sub/"), std::strerror(EISDIR)},
        {folder.file(std::string(256, 'x') + ".pdf"), std::strerror(ENAMETOOLONG)},
        {"", "the file name is empty"},
        {std::string("x.pdf\0/elsewhere", 16), "the file name holds a NUL character"},
        {folder.file("pipe"), "it is a FIFO, not a regular file"},
        {"/dev/null", "it is a character device, not a regular file"},
    };
    for (const auto& c : cases) {
        int result = 0;
        EXPECT_NO_THROW(result = pdf.open_file(c.path)) << c.path;
        EXPECT_EQ(result, -1) << c.path;
        EXPECT_EQ(pdf.fileFailure(), c.reason) << c.path;
        if (result != -1) pdf.discard();
    }
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"pipe", "plain"}));
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("pipe")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    // Nothing was opened: the object still starts a document.
    ASSERT_EQ(pdf.open_file(folder.file("ok.pdf")), 1);
    EXPECT_EQ(pdf.fileFailure(), "");
    DrawSamplePage(pdf, "after refusals");
    pdf.close();
    EXPECT_TRUE(PassesQpdfCheck(folder.file("ok.pdf")));
}

TEST_F(PdfDocument, AFailedWriteLeavesTheEarlierFileIntact) {
    const std::string path = folder.file("datasheet.pdf");
    test::WriteFile(path, "the datasheet of yesterday");
    ASSERT_EQ(pdf.open_file(path), 1);
    DrawSamplePage(pdf, "today");

    // The document is staged in a hidden file beside the target; put a link
    // into a missing folder in its place, as another program might.
    const auto entries = FolderEntries(folder.path());
    ASSERT_EQ(entries.size(), 2u);
    const std::string staged = folder.file(entries[0] == "datasheet.pdf" ? entries[1] : entries[0]);
    ASSERT_EQ(staged.rfind(folder.file(".datasheet.pdf."), 0), 0u) << staged;
    std::filesystem::remove(staged);
    std::filesystem::create_symlink("/nonexistent-keld-folder/x", staged);

    pdf.close();

    EXPECT_TRUE(pdf.closeFailed());
    EXPECT_FALSE(pdf.fileFailure().empty());
    EXPECT_EQ(ReadFile(path), "the datasheet of yesterday");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"datasheet.pdf"});

    // The next export starts clean.
    ASSERT_EQ(pdf.open_file(path), 1);
    EXPECT_FALSE(pdf.closeFailed());
    DrawSamplePage(pdf, "retry");
    pdf.close();
    EXPECT_FALSE(pdf.closeFailed());
    EXPECT_TRUE(PassesQpdfCheck(path));
}

TEST_F(PdfDocument, AnExportNeverClosedLeavesNoTrace) {
    const std::string path = folder.file("datasheet.pdf");
    test::WriteFile(path, "the datasheet of yesterday");
    {
        PDFlib abandoned;
        ASSERT_EQ(abandoned.open_file(path), 1);
        abandoned.begin_page(595, 842);
    }
    EXPECT_EQ(ReadFile(path), "the datasheet of yesterday");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"datasheet.pdf"});

    // Discarded on purpose: the same, and the object starts the next one.
    ASSERT_EQ(pdf.open_file(path), 1);
    pdf.begin_page(595, 842);
    pdf.discard();
    EXPECT_EQ(ReadFile(path), "the datasheet of yesterday");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"datasheet.pdf"});
    ASSERT_EQ(pdf.open_file(path), 1);
    DrawSamplePage(pdf, "today");
    pdf.close();
    EXPECT_TRUE(PassesQpdfCheck(path));
}

TEST_F(PdfDocument, CallsOutsideTheirDocumentOrPageAreRuntimeErrors) {
    EXPECT_THROW(pdf.begin_page(595, 842), PDFlib::RuntimeException);
    EXPECT_THROW(pdf.findfont("Helvetica", "host", 0), PDFlib::RuntimeException);
    EXPECT_NO_THROW(pdf.close());

    ASSERT_EQ(pdf.open_file(folder.file("x.pdf")), 1);
    EXPECT_THROW(pdf.open_file(folder.file("y.pdf")), PDFlib::RuntimeException);
    EXPECT_THROW(pdf.show_xy("Model ", 52, 687), PDFlib::RuntimeException);
    EXPECT_THROW(pdf.end_page(), PDFlib::RuntimeException);
    pdf.begin_page(595, 842);
    EXPECT_THROW(pdf.begin_page(595, 842), PDFlib::RuntimeException);
    pdf.end_page();
    pdf.close();

    EXPECT_FALSE(pdf.closeFailed());
    EXPECT_EQ(PdfInfo(folder.file("x.pdf"))["Pages"], "1");
    EXPECT_FALSE(std::filesystem::exists(folder.file("y.pdf")));
}

}  // namespace
}  // namespace keld
