// SPDX-License-Identifier: MIT
// PDFlib's drawing operations: fonts and text, colours and paths, images.
#include <hpdf_doc.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string_view>

#include "base/format_text.h"
#include "reports/pdflib.h"
#include "reports/pdflib_impl.h"
#include "reports/pdflib_jpeg.h"

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
constexpr NameAlias kEncodingAliases[] = {
    {"host", "WinAnsiEncoding"}, {"GBpc-EUC-H", "GB-EUC-H"}, {"unicode", "UTF-8"}};

bool NamesTrueTypeFile(const std::string& name) {
    constexpr std::string_view kSuffix = ".ttf";
    return name.size() > kSuffix.size() &&
           name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

// The bytes libharu measures and shows: up to the first NUL, as it reads them.
std::size_t ShownLength(const std::string& text) { return std::strlen(text.c_str()); }

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

const PDFlib::Impl::LoadedFont& PDFlib::Impl::font(int handle, const std::string& context) {
    if (handle < 0 || handle >= static_cast<int>(fonts.size())) {
        fail(HPDF_PAGE_INVALID_FONT, 0, context + " " + std::to_string(handle));
    }
    return fonts[static_cast<std::size_t>(handle)];
}

std::string PDFlib::Impl::loadTrueType(const std::string& path) {
    for (const TrueTypeFile& file : trueTypeFiles) {
        if (file.path == path) return file.haruName;
    }
    beginCall();
    // libharu embeds only the glyphs the document shows.
    const char* name =
        checkHandle(HPDF_LoadTTFontFromFile(doc, path.c_str(), HPDF_TRUE), path, HPDF_TTF_INVALID_FOMAT);
    trueTypeFiles.push_back({path, name});
    return name;
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
    std::string haruName = HaruName(name, kFontAliases);
    HPDF_FontDef trueType = nullptr;
    if (NamesTrueTypeFile(name)) {
        // A TrueType font takes its characters as Unicode, nothing else.
        if (encoding != "unicode") d.fail(HPDF_INVALID_ENCODING_NAME, 0, context);
        haruName = d.loadTrueType(name);
        trueType = HPDF_GetFontDef(d.doc, haruName.c_str());
    }
    d.beginCall();
    HPDF_Font font =
        d.checkHandle(HPDF_GetFont(d.doc, haruName.c_str(), HaruName(encoding, kEncodingAliases)), context);
    // libharu keeps one font object per name and encoding, and the datasheet
    // looks its fonts up for every text block: reuse the handle.
    const auto known = std::find_if(d.fonts.begin(), d.fonts.end(),
                                    [&](const Impl::LoadedFont& loaded) { return loaded.font == font; });
    if (known != d.fonts.end()) return static_cast<int>(std::distance(d.fonts.begin(), known));
    d.fonts.push_back({font, trueType});
    return static_cast<int>(d.fonts.size()) - 1;
}

void PDFlib::setfont(int font, float size) {
    Impl& d = *impl_;
    d.requirePage("setfont", {size});
    HPDF_Font haruFont = d.font(font, "font handle").font;
    d.beginCall();
    d.check(HPDF_Page_SetFontAndSize(d.page, haruFont, size), FormatText("size %g", size));
}

float PDFlib::stringwidth(const std::string& text, int font, float size) {
    Impl& d = *impl_;
    d.requireDocument("stringwidth");
    if (!std::isfinite(size)) d.fail(HPDF_PAGE_OUT_OF_RANGE, 0, "stringwidth with a size that is not finite");
    HPDF_Font haruFont = d.font(font, "font handle").font;
    const std::size_t length = ShownLength(text);
    if (length == 0) return 0;
    d.beginCall();
    const HPDF_TextWidth width = HPDF_Font_TextWidth(
        haruFont, reinterpret_cast<const HPDF_BYTE*>(text.c_str()), static_cast<HPDF_UINT>(length));
    d.check(HPDF_OK, "stringwidth");
    // Glyph widths are in thousandths of the font size.
    return static_cast<float>(width.width) * size / 1000.0f;
}

bool PDFlib::has_glyph(int font, char32_t codePoint) {
    Impl& d = *impl_;
    d.requireDocument("has_glyph");
    const Impl::LoadedFont& loaded = d.font(font, "font handle");
    if (loaded.trueType == nullptr) d.fail(HPDF_INVALID_FONTDEF_TYPE, 0, "has_glyph of a built-in font");
    if (codePoint > 0xFFFF) return false;
    return HPDF_TTFontDef_GetGlyphid(loaded.trueType, static_cast<HPDF_UINT16>(codePoint)) != 0;
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
    // A NUL would make the file opened another than the one named.
    if (path.find('\0') != std::string::npos) d.fail(HPDF_FILE_OPEN_ERROR, ENOENT, path.c_str());
    const CheckedJpeg jpeg = ReadCheckedJpeg(path);
    if (jpeg.code != HPDF_OK) d.fail(jpeg.code, jpeg.detail, jpeg.context);
    d.beginCall();
    // A file that does not start like a JPEG is refused without an error report.
    HPDF_Image image =
        d.checkHandle(HPDF_LoadJpegImageFromMem(d.doc, reinterpret_cast<const HPDF_BYTE*>(jpeg.bytes.data()),
                                                static_cast<HPDF_UINT>(jpeg.bytes.size())),
                      path, HPDF_INVALID_JPEG_DATA);
    d.images.push_back(image);
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
