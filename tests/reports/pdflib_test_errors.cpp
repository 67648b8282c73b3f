// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <hpdf.h>

#include <clocale>
#include <string>

#include "reports/pdflib.h"
#include "reports/pdflib_errors.h"
#include "support/pdf_tools.h"

namespace keld {
namespace {

// Throws the exception of an error class and tells whether it is caught as E
// and carries the message and null user data.
template <typename E>
bool ThrowsExactly(int errorClass) {
    try {
        ThrowPdfException(errorClass, "message");
    } catch (const E& e) {
        return e.get_errmsg() == "message" && e.get_opaque() == nullptr;
    } catch (const PDFlib::Exception&) {
        return false;
    }
    return false;
}

TEST(PdfErrorClass, EachClassThrowsItsOwnException) {
    struct Case {
        int errorClass;
        bool (*throwsExpected)(int);
    };
    const Case cases[] = {
        {1, ThrowsExactly<PDFlib::MemoryException>},    {2, ThrowsExactly<PDFlib::IOException>},
        {3, ThrowsExactly<PDFlib::RuntimeException>},   {4, ThrowsExactly<PDFlib::IndexException>},
        {5, ThrowsExactly<PDFlib::TypeException>},      {6, ThrowsExactly<PDFlib::DivisionByZeroException>},
        {7, ThrowsExactly<PDFlib::OverflowException>},  {8, ThrowsExactly<PDFlib::SyntaxException>},
        {9, ThrowsExactly<PDFlib::ValueException>},     {10, ThrowsExactly<PDFlib::SystemException>},
        {11, ThrowsExactly<PDFlib::NonfatalException>}, {12, ThrowsExactly<PDFlib::UnknownException>},
        {0, ThrowsExactly<PDFlib::UnknownException>},   {13, ThrowsExactly<PDFlib::UnknownException>},
        {-1, ThrowsExactly<PDFlib::UnknownException>},
    };
    for (const Case& c : cases) EXPECT_TRUE(c.throwsExpected(c.errorClass)) << "error class " << c.errorClass;
}

TEST(PdfErrorClass, LibharuCodesMapToTheClassOfTheirMeaning) {
    struct Case {
        unsigned long code;
        PdfErrorClass expected;
    };
    const Case cases[] = {
        {HPDF_FAILD_TO_ALLOC_MEM, PdfErrorClass::Memory},
        {HPDF_FILE_OPEN_ERROR, PdfErrorClass::IO},
        {HPDF_FILE_IO_ERROR, PdfErrorClass::IO},
        {HPDF_PAGE_INVALID_GMODE, PdfErrorClass::Runtime},
        {HPDF_PAGE_FONT_NOT_FOUND, PdfErrorClass::Runtime},
        {HPDF_INVALID_PAGE_INDEX, PdfErrorClass::Index},
        {HPDF_UNSUPPORTED_FONT_TYPE, PdfErrorClass::Type},
        {HPDF_XREF_COUNT_ERR, PdfErrorClass::Overflow},
        {HPDF_INVALID_JPEG_DATA, PdfErrorClass::Syntax},
        {HPDF_INVALID_FONT_NAME, PdfErrorClass::Value},
        {HPDF_PAGE_OUT_OF_RANGE, PdfErrorClass::Value},
        {HPDF_ZLIB_ERROR, PdfErrorClass::System},
        {HPDF_DUPLICATE_REGISTRATION, PdfErrorClass::Nonfatal},
        {0x1012, PdfErrorClass::Unknown},  // a gap in libharu's numbering
        {0x9999, PdfErrorClass::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DescribeHaruError(c.code).errorClass, c.expected) << std::hex << "code 0x" << c.code;
    }
}

TEST(PdfErrorMessage, NamesTheFailureTheContextAndTheCode) {
    EXPECT_EQ(HaruErrorMessage(HPDF_FILE_OPEN_ERROR, 2, "/opt/keld/AHRI.jpg"),
              "File cannot be opened: /opt/keld/AHRI.jpg (libharu error 0x1017, No such file or directory)");
    EXPECT_EQ(HaruErrorMessage(HPDF_INVALID_FONT_NAME, 0, "Helvetica-Light, encoding host"),
              "Font name not found: Helvetica-Light, encoding host (libharu error 0x102F)");
    EXPECT_EQ(HaruErrorMessage(HPDF_PAGE_INVALID_GMODE, 3, ""),
              "Call not allowed inside the current path or text (libharu error 0x1051, detail 0x0003)");
}

// The window runs under the user's locale; a German desktop must not turn
// the numbers of a message into "12,500000".
TEST(PdfErrorMessage, NumbersAreWrittenWithADecimalPoint) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-deps.sh makes de_DE.UTF-8";
    test::ScratchFolder folder;
    PDFlib pdf;
    ASSERT_EQ(pdf.open_file(folder.file("x.pdf")), 1);
    std::string pageSize;
    std::string fontSize;
    try {
        pdf.begin_page(1.5f, 842);  // below the smallest page
    } catch (const PDFlib::Exception& error) {
        pageSize = error.get_errmsg();
    }
    pdf.begin_page(595, 842);
    try {
        pdf.setfont(pdf.findfont("Helvetica", "host", 0), -2.5f);
    } catch (const PDFlib::Exception& error) {
        fontSize = error.get_errmsg();
    }
    pdf.discard();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_NE(pageSize.find("1.5 x 842"), std::string::npos) << pageSize;
    EXPECT_NE(fontSize.find("size -2.5"), std::string::npos) << fontSize;
}

TEST(PdfErrorMessage, LongMessagesAreCutAtACharacterBoundary) {
    std::string chineseFolder;
    for (int i = 0; i < 120; ++i) chineseFolder += "\xe5\x86\xb7";  // 冷, three bytes
    const std::string message = HaruErrorMessage(HPDF_FILE_OPEN_ERROR, 2, "/" + chineseFolder + "/AHRI.jpg");

    ASSERT_LE(message.size(), kPdfMessageLimit);
    EXPECT_EQ(message.rfind("File cannot be opened: /\xe5\x86\xb7", 0), 0u);
    EXPECT_EQ((message.size() - std::string("File cannot be opened: /").size()) % 3, 0u)
        << "the last character is whole";

    EXPECT_EQ(TruncateUtf8("ab\xc2\xb0"
                           "c",
                           3),
              "ab");  // ° would be cut: dropped whole
    EXPECT_EQ(TruncateUtf8("ab\xc2\xb0"
                           "c",
                           4),
              "ab\xc2\xb0");
    EXPECT_EQ(TruncateUtf8("abc", 255), "abc");
}

}  // namespace
}  // namespace keld
