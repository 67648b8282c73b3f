// SPDX-License-Identifier: MIT
// PDFlib's drawing operations: fonts and text, colours and paths, images.
#include <algorithm>
#include <cerrno>
#include <iterator>

#include "reports/pdflib.h"
#include "reports/pdflib_impl.h"

namespace keld {
namespace {

struct NameAlias {
    const char* asked;
    const char* haru;
};

// The datasheet asks for fonts and encodings by the names of the PDF library
// it was first written for; these are libharu's names for the same things.
// "host" is the 8-bit Latin set the datasheet's texts come in. The Chinese
// font is libharu's built-in Simplified-Chinese font, and GBpc-EUC-H (GB 2312
// with Mac-style single-byte codes) is taken as GB-EUC-H, the two agreeing on
// every Chinese character.
constexpr NameAlias kFontAliases[] = {{"STSong-Light", "SimSun"}};
constexpr NameAlias kEncodingAliases[] = {{"host", "WinAnsiEncoding"}, {"GBpc-EUC-H", "GB-EUC-H"}};

template <std::size_t N>
const char* HaruName(const std::string& asked, const NameAlias (&aliases)[N]) {
    for (const NameAlias& alias : aliases) {
        if (asked == alias.asked) return alias.haru;
    }
    return asked.c_str();
}

HPDF_STATUS SetColor(HPDF_Page page, bool fill, const std::string& space, float c1, float c2, float c3,
                     float c4) {
    if (space == "rgb")
        return fill ? HPDF_Page_SetRGBFill(page, c1, c2, c3) : HPDF_Page_SetRGBStroke(page, c1, c2, c3);
    if (space == "gray") return fill ? HPDF_Page_SetGrayFill(page, c1) : HPDF_Page_SetGrayStroke(page, c1);
    return fill ? HPDF_Page_SetCMYKFill(page, c1, c2, c3, c4) : HPDF_Page_SetCMYKStroke(page, c1, c2, c3, c4);
}

}  // namespace

HPDF_Font PDFlib::Impl::font(int handle, const std::string& context) {
    if (handle < 0 || handle >= static_cast<int>(fonts.size())) {
        fail(HPDF_PAGE_INVALID_FONT, 0, context + " " + std::to_string(handle));
    }
    return fonts[static_cast<std::size_t>(handle)];
}

HPDF_Image PDFlib::Impl::image(int handle, const std::string& context) {
    if (handle < 0 || handle >= static_cast<int>(images.size()) ||
        images[static_cast<std::size_t>(handle)] == nullptr) {
        fail(HPDF_PAGE_INVALID_XOBJECT, 0, context + " " + std::to_string(handle));
    }
    return images[static_cast<std::size_t>(handle)];
}

void PDFlib::Impl::showText(const std::string& text, HPDF_Point start) {
    // Each show is a text object of its own, so that paths and images may
    // follow any text; the end of the text is kept as the next start.
    check(HPDF_Page_BeginText(page), "show");
    check(HPDF_Page_MoveTextPos(page, start.x, start.y), "show");
    check(HPDF_Page_ShowText(page, text.c_str()), "show");
    const HPDF_Point end = HPDF_Page_GetCurrentTextPos(page);
    check(HPDF_Page_EndText(page), "show");
    textPosition = end;
}

int PDFlib::findfont(const std::string& name, const std::string& encoding, int /*embed*/) {
    Impl& d = *impl_;
    const std::string context = name + ", encoding " + encoding;
    d.requireDocument(context);
    d.beginCall();
    HPDF_Font font = d.checkHandle(
        HPDF_GetFont(d.doc, HaruName(name, kFontAliases), HaruName(encoding, kEncodingAliases)), context);
    // libharu keeps one font object per name and encoding, and the datasheet
    // looks its fonts up for every text block: reuse the handle.
    const auto known = std::find(d.fonts.begin(), d.fonts.end(), font);
    if (known != d.fonts.end()) return static_cast<int>(std::distance(d.fonts.begin(), known));
    d.fonts.push_back(font);
    return static_cast<int>(d.fonts.size()) - 1;
}

void PDFlib::setfont(int font, float size) {
    Impl& d = *impl_;
    d.requirePage("setfont", {size});
    HPDF_Font haruFont = d.font(font, "font handle");
    d.beginCall();
    d.check(HPDF_Page_SetFontAndSize(d.page, haruFont, size), "size " + std::to_string(size));
}

void PDFlib::show(const std::string& text) {
    Impl& d = *impl_;
    d.requirePage("show");
    d.beginCall();
    d.showText(text, d.textPosition);
}

void PDFlib::show_xy(const std::string& text, float x, float y) {
    Impl& d = *impl_;
    d.requirePage("show_xy", {x, y});
    d.beginCall();
    d.showText(text, {x, y});
}

void PDFlib::set_text_pos(float x, float y) {
    Impl& d = *impl_;
    d.requirePage("set_text_pos", {x, y});
    d.textPosition = {x, y};
}

void PDFlib::setcolor(const std::string& type, const std::string& colorspace, float c1, float c2, float c3,
                      float c4) {
    Impl& d = *impl_;
    d.requirePage("setcolor", {c1, c2, c3, c4});
    const bool fill = type == "fill" || type == "both";
    const bool stroke = type == "stroke" || type == "both";
    if (!fill && !stroke) d.fail(HPDF_INVALID_PARAMETER, 0, "colour type " + type);
    if (colorspace != "rgb" && colorspace != "gray" && colorspace != "cmyk") {
        d.fail(HPDF_INVALID_COLOR_SPACE, 0, colorspace);
    }
    d.beginCall();
    if (fill) d.check(SetColor(d.page, true, colorspace, c1, c2, c3, c4), "fill colour");
    if (stroke) d.check(SetColor(d.page, false, colorspace, c1, c2, c3, c4), "stroke colour");
}

void PDFlib::setlinewidth(float width) {
    impl_->pageCall("setlinewidth", {width},
                    [&](HPDF_Page page) { return HPDF_Page_SetLineWidth(page, width); });
}

void PDFlib::moveto(float x, float y) {
    impl_->pageCall("moveto", {x, y}, [&](HPDF_Page page) { return HPDF_Page_MoveTo(page, x, y); });
}

void PDFlib::lineto(float x, float y) {
    impl_->pageCall("lineto", {x, y}, [&](HPDF_Page page) { return HPDF_Page_LineTo(page, x, y); });
}

void PDFlib::rect(float x, float y, float width, float height) {
    impl_->pageCall("rect", {x, y, width, height},
                    [&](HPDF_Page page) { return HPDF_Page_Rectangle(page, x, y, width, height); });
}

void PDFlib::stroke() { impl_->pageCall("stroke", {}, HPDF_Page_Stroke); }

void PDFlib::fill() { impl_->pageCall("fill", {}, HPDF_Page_Fill); }

int PDFlib::open_image_file(const std::string& type, const std::string& path,
                            const std::string& /*stringParam*/, int /*intParam*/) {
    Impl& d = *impl_;
    d.requireDocument(path);
    if (type != "jpeg") d.fail(HPDF_INVALID_PARAMETER, 0, "image type " + type);
    // A NUL would make libharu open another file than the one named.
    if (path.find('\0') != std::string::npos) d.fail(HPDF_FILE_OPEN_ERROR, ENOENT, path.c_str());
    d.beginCall();
    // A file that does not start like a JPEG is refused without an error report.
    d.images.push_back(
        d.checkHandle(HPDF_LoadJpegImageFromFile(d.doc, path.c_str()), path, HPDF_INVALID_JPEG_DATA));
    return static_cast<int>(d.images.size()) - 1;
}

void PDFlib::place_image(int image, float x, float y, float scale) {
    Impl& d = *impl_;
    d.requirePage("place_image", {x, y, scale});
    // A zero scale would place the image through a singular matrix.
    if (scale == 0) d.fail(HPDF_PAGE_OUT_OF_RANGE, 0, "place_image at scale 0");
    HPDF_Image haruImage = d.image(image, "image handle");
    const float width = static_cast<float>(HPDF_Image_GetWidth(haruImage)) * scale;
    const float height = static_cast<float>(HPDF_Image_GetHeight(haruImage)) * scale;
    d.beginCall();
    d.check(HPDF_Page_DrawImage(d.page, haruImage, x, y, width, height), "place_image");
}

void PDFlib::close_image(int image) {
    Impl& d = *impl_;
    d.requireDocument("close_image");
    d.image(image, "image handle");
    d.images[static_cast<std::size_t>(image)] = nullptr;
}

}  // namespace keld
