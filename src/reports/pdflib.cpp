// SPDX-License-Identifier: MIT
// PDFlib's document lifetime: error capture, open and close, pages and the
// document information. Drawing is in pdflib_drawing.cpp.
#include "reports/pdflib.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include "base/format_text.h"
#include "reports/pdflib_errors.h"
#include "reports/pdflib_impl.h"

namespace keld {
namespace {

void RecordHaruError(HPDF_STATUS code, HPDF_STATUS detail, void* userData) {
    auto* record = static_cast<HaruErrorRecord*>(userData);
    // One failing call may report the same error again on its way out; the
    // first report names the cause.
    if (record->code == HPDF_OK) *record = {code, detail};
}

// The local time with its offset from UTC, for the document's creation date.
HPDF_Date CurrentDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const long offsetMinutes = local.tm_gmtoff / 60;
    HPDF_Date date{};
    date.year = local.tm_year + 1900;
    date.month = local.tm_mon + 1;
    date.day = local.tm_mday;
    date.hour = local.tm_hour;
    date.minutes = local.tm_min;
    date.seconds = local.tm_sec < 60 ? local.tm_sec : 59;  // a leap second is no valid PDF date
    date.ind = offsetMinutes == 0 ? 'Z' : offsetMinutes > 0 ? '+' : '-';
    date.off_hour = static_cast<HPDF_INT>(std::labs(offsetMinutes) / 60);
    date.off_minutes = static_cast<HPDF_INT>(std::labs(offsetMinutes) % 60);
    return date;
}

struct InfoKey {
    const char* name;
    HPDF_InfoType type;
};

constexpr InfoKey kInfoKeys[] = {
    {"Creator", HPDF_INFO_CREATOR}, {"Author", HPDF_INFO_AUTHOR},     {"Title", HPDF_INFO_TITLE},
    {"Subject", HPDF_INFO_SUBJECT}, {"Keywords", HPDF_INFO_KEYWORDS},
};

}  // namespace

void PDFlib::Impl::beginCall() {
    error = {};
    if (doc != nullptr) HPDF_ResetError(doc);
}

void PDFlib::Impl::check(HPDF_STATUS status, const std::string& context) {
    if (error.code != HPDF_OK) fail(error.code, error.detail, context);
    if (status != HPDF_OK) fail(status, 0, context);
}

void PDFlib::Impl::fail(HPDF_STATUS code, HPDF_STATUS detail, const std::string& context) {
    // A text call that failed half-way must not leave the page inside its
    // text object, or every later drawing call would fail as well.
    // libharu fails every later call while an error is pending, so it is
    // cleared first.
    if (doc != nullptr) HPDF_ResetError(doc);
    if (page != nullptr && HPDF_Page_GetGMode(page) == HPDF_GMODE_TEXT_OBJECT) {
        HPDF_Page_EndText(page);
        HPDF_ResetError(doc);
    }
    error = {};
    ThrowPdfException(static_cast<int>(DescribeHaruError(code).errorClass),
                      HaruErrorMessage(code, detail, context));
}

void PDFlib::Impl::requireDocument(const std::string& context) {
    if (doc == nullptr) fail(HPDF_INVALID_DOCUMENT, 0, context);
}

void PDFlib::Impl::requirePage(const std::string& context, std::initializer_list<float> numbers) {
    requireDocument(context);
    if (page == nullptr) fail(HPDF_INVALID_PAGE, 0, context);
    for (float number : numbers) {
        if (!std::isfinite(number))
            fail(HPDF_PAGE_OUT_OF_RANGE, 0, context + " with a number that is not finite");
    }
}

void PDFlib::Impl::dropDocument() {
    HPDF_Free(doc);
    doc = nullptr;
    page = nullptr;
    fonts.clear();
    images.clear();
    trueTypeFiles.clear();
    textPosition = {0, 0};
    output.discard();
}

PDFlib::PDFlib() : impl_(std::make_unique<Impl>()) {}

PDFlib::~PDFlib() {
    if (impl_->doc != nullptr) impl_->dropDocument();
}

int PDFlib::open_file(const std::string& path) {
    Impl& d = *impl_;
    if (d.doc != nullptr) d.fail(HPDF_INVALID_DOCUMENT_STATE, 0, "a document is already open");
    d.closeFailed = false;
    d.fileFailure.clear();
    if (!d.output.create(path)) {
        d.fileFailure = d.output.failure();
        return -1;
    }

    d.beginCall();
    d.doc = HPDF_New(&RecordHaruError, &d.error);
    if (d.doc == nullptr) {
        d.output.discard();
        d.fail(HPDF_FAILD_TO_ALLOC_MEM, 0, path);
    }
    try {
        d.check(HPDF_SetCompressionMode(d.doc, HPDF_COMP_ALL), "compression");
        // The Chinese fonts and their GB encodings are registered for every
        // document; the datasheet's project fields may hold Chinese text.
        d.check(HPDF_UseCNSFonts(d.doc), "Chinese fonts");
        d.check(HPDF_UseCNSEncodings(d.doc), "Chinese encodings");
        // UTF-8 for the TrueType font that prints what neither Helvetica
        // nor the Chinese font holds.
        d.check(HPDF_UseUTFEncodings(d.doc), "Unicode encoding");
        d.check(HPDF_SetInfoDateAttr(d.doc, HPDF_INFO_CREATION_DATE, CurrentDate()), "creation date");
    } catch (...) {
        d.dropDocument();
        throw;
    }
    return 1;
}

// libharu's own file writer ignores a failed flush when it closes the file,
// so a full disk would cut the document unseen: the document is saved to
// memory and every byte goes to the staged file through a checked write.
HPDF_STATUS PDFlib::Impl::copySavedDocument() {
    std::vector<HPDF_BYTE> chunk(64 * 1024);
    for (;;) {
        auto size = static_cast<HPDF_UINT32>(chunk.size());
        const HPDF_STATUS status = HPDF_ReadFromStream(doc, chunk.data(), &size);
        // The end of the stream is reported as an error; it is none here.
        if (error.code == HPDF_STREAM_EOF) beginCall();
        if (status != HPDF_OK && status != HPDF_STREAM_EOF) return status;
        if (!output.write(chunk.data(), size)) return HPDF_OK;  // commit() names the reason
        if (status == HPDF_STREAM_EOF || size == 0) return HPDF_OK;
    }
}

void PDFlib::close() noexcept {
    Impl& d = *impl_;
    if (d.doc == nullptr) return;
    d.beginCall();
    HPDF_STATUS status = HPDF_SaveToStream(d.doc);
    if (status == HPDF_OK && d.error.code == HPDF_OK) status = d.copySavedDocument();
    const HPDF_STATUS code = d.error.code != HPDF_OK ? d.error.code : status;
    if (code != HPDF_OK) {
        d.fileFailure = DescribeHaruError(code).text;
    } else if (!d.output.commit()) {
        d.fileFailure = d.output.failure();
    }
    d.closeFailed = !d.fileFailure.empty();
    d.dropDocument();
}

void PDFlib::discard() noexcept {
    if (impl_->doc != nullptr) impl_->dropDocument();
}

bool PDFlib::closeFailed() const { return impl_->closeFailed; }

const std::string& PDFlib::fileFailure() const { return impl_->fileFailure; }

void PDFlib::begin_page(float width, float height) {
    Impl& d = *impl_;
    d.requireDocument("begin_page");
    if (d.page != nullptr) d.fail(HPDF_INVALID_DOCUMENT_STATE, 0, "begin_page inside a page");
    // libharu adds the page before it sizes it; a size it refuses would leave
    // a stray page behind, so the size is checked first.
    const auto fits = [](float length) {
        return length >= HPDF_MIN_PAGE_SIZE && length <= HPDF_MAX_PAGE_SIZE;
    };
    if (!fits(width) || !fits(height)) {
        d.fail(HPDF_PAGE_INVALID_SIZE, 0, FormatText("%g x %g", width, height));
    }
    d.beginCall();
    HPDF_Page page = d.checkHandle(HPDF_AddPage(d.doc), "begin_page");
    d.check(HPDF_Page_SetWidth(page, width), "begin_page");
    d.check(HPDF_Page_SetHeight(page, height), "begin_page");
    d.page = page;
    d.textPosition = {0, 0};
}

void PDFlib::end_page() {
    Impl& d = *impl_;
    d.requirePage("end_page");
    d.page = nullptr;
}

void PDFlib::set_info(const std::string& key, const std::string& value) {
    Impl& d = *impl_;
    d.requireDocument("set_info");
    for (const InfoKey& info : kInfoKeys) {
        if (key != info.name) continue;
        d.beginCall();
        d.check(HPDF_SetInfoAttr(d.doc, info.type, value.c_str()), key);
        return;
    }
    d.fail(HPDF_INVALID_PARAMETER, 0, "document info key " + key);
}

}  // namespace keld
