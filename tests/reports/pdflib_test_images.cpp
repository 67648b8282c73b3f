// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "reports/pdflib.h"
#include "support/pdf_tools.h"

namespace keld {
namespace {

struct ListedImage {
    int width;   // pixels
    int height;  // pixels
    int xPpi;    // pixels per inch as placed on the page
    int yPpi;
};

// The images of a PDF in page order, from `pdfimages -list`.
std::vector<ListedImage> ListImages(const std::string& path) {
    std::vector<ListedImage> images;
    std::istringstream lines(test::Run("pdfimages -list " + test::ShellQuoted(path)).output);
    std::string line;
    std::getline(lines, line);  // column names
    std::getline(lines, line);  // rule
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        for (std::string field; fields >> field;) f.push_back(field);
        if (f.size() < 14) continue;
        images.push_back({std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[12]), std::stoi(f[13])});
    }
    return images;
}

// The three pictures the datasheet places, where and at what scale it places
// them, and the room they have there: logos in the header box (top 794) left
// of the title, the badge in the header's right part above the print date.
struct Placement {
    const char* file;
    float x, y, scale;
    float maxRight, maxTop;
};
constexpr Placement kPlacements[] = {
    {"norvex_Min.jpg", 54, 753, 0.4f, 205, 794},
    {"BREXAL.jpg", 54, 758, 0.5f, 205, 794},
    {"AHRI.jpg", 460, 757, 0.15f, 545, 794},
};

// An image placed at scale s takes s points per pixel, and each of the
// program's pictures fits its box at the datasheet's scale.
TEST(PdfImages, PlacedAtScalePointsPerPixelAndFittingTheirBoxes) {
    test::ScratchFolder folder;
    const std::string path = folder.file("images.pdf");
    PDFlib pdf;
    ASSERT_EQ(pdf.open_file(path), 1);
    pdf.begin_page(595, 842);
    for (const Placement& p : kPlacements) {
        const int image = pdf.open_image_file("jpeg", std::string(KELD_BUILD_DIR "/") + p.file, "", 0);
        pdf.place_image(image, p.x, p.y, p.scale);
        pdf.close_image(image);
    }
    pdf.end_page();
    pdf.close();
    ASSERT_FALSE(pdf.closeFailed());

    const std::vector<ListedImage> images = ListImages(path);
    ASSERT_EQ(images.size(), std::size(kPlacements));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Placement& p = kPlacements[i];
        const ListedImage& image = images[i];
        SCOPED_TRACE(p.file);
        // pdfimages rounds: 72 points per inch over s points per pixel.
        EXPECT_NEAR(image.xPpi, 72 / p.scale, 1);
        EXPECT_NEAR(image.yPpi, 72 / p.scale, 1);
        EXPECT_LE(p.x + image.width * p.scale, p.maxRight);
        EXPECT_LE(p.y + image.height * p.scale, p.maxTop);
    }
}

}  // namespace
}  // namespace keld
