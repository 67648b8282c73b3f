// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <string>

#include "reports/pdflib.h"
#include "support/pdf_tools.h"

namespace keld {
namespace {

enum class Expected { IO, Runtime, Syntax, Value };

struct FailingCall {
    const char* name;
    std::function<void(PDFlib&, const test::ScratchFolder&)> call;
    Expected expected;
    const char* messagePart;  // what the message box must name
};

// Which exception class the call threw, and its message.
std::pair<std::string, std::string> Thrown(const FailingCall& c, PDFlib& pdf,
                                           const test::ScratchFolder& folder) {
    try {
        c.call(pdf, folder);
    } catch (const PDFlib::IOException& e) {
        return {"IO", e.get_errmsg()};
    } catch (const PDFlib::RuntimeException& e) {
        return {"Runtime", e.get_errmsg()};
    } catch (const PDFlib::SyntaxException& e) {
        return {"Syntax", e.get_errmsg()};
    } catch (const PDFlib::ValueException& e) {
        return {"Value", e.get_errmsg()};
    } catch (const PDFlib::Exception& e) {
        return {"other", e.get_errmsg()};
    }
    return {"nothing", ""};
}

const char* Name(Expected e) {
    switch (e) {
        case Expected::IO:
            return "IO";
        case Expected::Runtime:
            return "Runtime";
        case Expected::Syntax:
            return "Syntax";
        case Expected::Value:
            return "Value";
    }
    return "";
}

// Every failing call on an open page throws the exception of its error class
// with a message naming the cause, and leaves the page fit for drawing on: the
// datasheet's handler shows the message, and the command still closes the file.
TEST(PdfDrawingErrors, ThrowTheirClassAndLeaveTheDocumentUsable) {
    const FailingCall cases[] = {
        {"missing image",
         [](PDFlib& pdf, const test::ScratchFolder& f) {
             pdf.open_image_file("jpeg", f.file("AHRI.jpg"), "", 0);
         },
         Expected::IO, "AHRI.jpg (libharu error 0x1017, No such file or directory)"},
        {"image that is no JPEG",
         [](PDFlib& pdf, const test::ScratchFolder& f) {
             test::WriteFile(f.file("logo.jpg"), "GIF89a, not a JPEG at all");
             pdf.open_image_file("jpeg", f.file("logo.jpg"), "", 0);
         },
         Expected::Syntax, "logo.jpg"},
        // libharu would copy these into the document unchecked, and no PDF
        // reader could show them.
        {"image cut short",
         [](PDFlib& pdf, const test::ScratchFolder& f) {
             const std::string badge = test::ReadFile(KELD_BUILD_DIR "/AHRI.jpg");
             test::WriteFile(f.file("AHRI.jpg"), badge.substr(0, badge.size() / 2));
             pdf.open_image_file("jpeg", f.file("AHRI.jpg"), "", 0);
         },
         Expected::Syntax, "AHRI.jpg, Premature end of JPEG file"},
        {"empty image",
         [](PDFlib& pdf, const test::ScratchFolder& f) {
             test::WriteFile(f.file("AHRI.jpg"), "");
             pdf.open_image_file("jpeg", f.file("AHRI.jpg"), "", 0);
         },
         Expected::Syntax, "AHRI.jpg, Empty input file"},
        {"image that is a FIFO",
         [](PDFlib& pdf, const test::ScratchFolder& f) {
             mkfifo(f.file("AHRI.jpg").c_str(), 0644);
             pdf.open_image_file("jpeg", f.file("AHRI.jpg"), "", 0);
         },
         Expected::IO, "AHRI.jpg, not a regular file"},
        {"image type",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.open_image_file("gif", "x.gif", "", 0); },
         Expected::Value, "image type gif"},
        {"closed image",
         [](PDFlib& pdf, const test::ScratchFolder&) {
             const int logo = pdf.open_image_file("jpeg", KELD_BUILD_DIR "/norvex_Min.jpg", "", 0);
             pdf.place_image(logo, 54, 753, 0.4f);
             pdf.close_image(logo);
             pdf.place_image(logo, 54, 753, 0.4f);
         },
         Expected::Value, "image handle 0"},
        {"unknown font",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.findfont("Helvetica-Light", "host", 0); },
         Expected::Value, "Helvetica-Light"},
        {"unknown encoding",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.findfont("Helvetica", "GB-XYZ", 0); },
         Expected::Value, "GB-XYZ"},
        {"unknown font handle", [](PDFlib& pdf, const test::ScratchFolder&) { pdf.setfont(7, 8); },
         Expected::Value, "font handle 7"},
        {"text before any font",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.show_xy("Model ", 52, 687); }, Expected::Runtime,
         "No font is set"},
        {"line without a start", [](PDFlib& pdf, const test::ScratchFolder&) { pdf.lineto(545, 746); },
         Expected::Runtime, "lineto"},
        {"coordinate that is no number",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.moveto(std::nanf(""), 746); }, Expected::Value,
         "not finite"},
        {"colour out of range",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.setcolor("fill", "rgb", 1.5f, 0, 0, 0); },
         Expected::Value, "fill colour"},
        {"colour space",
         [](PDFlib& pdf, const test::ScratchFolder&) { pdf.setcolor("fill", "lab", 0, 0, 0, 0); },
         Expected::Value, "lab"},
        {"info key", [](PDFlib& pdf, const test::ScratchFolder&) { pdf.set_info("Producer", "x"); },
         Expected::Value, "Producer"},
    };

    for (const FailingCall& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchFolder folder;
        PDFlib pdf;
        ASSERT_EQ(pdf.open_file(folder.file("x.pdf")), 1);
        pdf.begin_page(595, 842);

        const auto [thrown, message] = Thrown(c, pdf, folder);
        EXPECT_EQ(thrown, Name(c.expected));
        EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;

        pdf.setfont(pdf.findfont("Helvetica", "host", 0), 8);
        EXPECT_NO_THROW(pdf.show_xy("drawn after the error", 52, 100));
        pdf.end_page();
        pdf.close();
        EXPECT_FALSE(pdf.closeFailed());
        EXPECT_EQ(test::Run("qpdf --check " + test::ShellQuoted(folder.file("x.pdf"))).exitCode, 0);
    }
}

}  // namespace
}  // namespace keld
