// SPDX-License-Identifier: MIT
#pragma once

#include <hpdf.h>
#include <hpdf_fontdef.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "reports/pdflib.h"
#include "reports/pdflib_staged_file.h"

namespace keld {

// The first error libharu reported to its error handler during the current
// call. The handler only records it: libharu is C, and unwinding through its
// frames (by longjmp or by a C++ exception) would leak its allocations and
// leave its state half-changed. PDFlib reads the record after every call.
struct HaruErrorRecord {
    HPDF_STATUS code = HPDF_OK;
    HPDF_STATUS detail = 0;
};

// libharu's state for the document being written. Everything here belongs to
// one document: a new libharu document is made at open_file and freed at
// close, so no font, image or error outlives its document.
struct PDFlib::Impl {
    HaruErrorRecord error;
    HPDF_Doc doc = nullptr;
    HPDF_Page page = nullptr;  // null outside begin_page ... end_page
    StagedFile output;
    bool closeFailed = false;
    std::string fileFailure;  // why the last open or close could not write

    // A font of the document; a TrueType font also has its font definition,
    // which knows the characters the file holds.
    struct LoadedFont {
        HPDF_Font font = nullptr;
        HPDF_FontDef trueType = nullptr;
    };
    // A TrueType file loaded into the document, under libharu's name for it.
    struct TrueTypeFile {
        std::string path;
        std::string haruName;
    };

    // Handles are indexes into these; a closed image's slot is null.
    std::vector<LoadedFont> fonts;
    std::vector<HPDF_Image> images;
    std::vector<TrueTypeFile> trueTypeFiles;
    HPDF_Point textPosition{0, 0};

    // Writes the document libharu has saved to its memory stream into the
    // staged file. Returns libharu's error, or HPDF_OK; a failed write is
    // kept by the staged file, whose commit() then names the system's reason.
    HPDF_STATUS copySavedDocument();
    // Forgets the error of an earlier call, in the record and in libharu.
    void beginCall();
    // Throws the exception for the error libharu reported during the call,
    // else for a failing status it returned.
    void check(HPDF_STATUS status, const std::string& context);
    // The same for a call that returns a handle, null on failure. Some
    // failures libharu does not report at all; they throw silentFailure.
    template <typename Handle>
    Handle checkHandle(Handle handle, const std::string& context,
                       HPDF_STATUS silentFailure = HPDF_INVALID_OBJECT) {
        check(HPDF_OK, context);
        if (handle == nullptr) fail(silentFailure, 0, context);
        return handle;
    }
    // Leaves the page ready for the next call, clears libharu's error and
    // throws the PDFlib exception of the code.
    [[noreturn]] void fail(HPDF_STATUS code, HPDF_STATUS detail, const std::string& context);

    // Calls out of order: libharu has no notion of them, so they are raised
    // here with the codes it uses for a missing document or page.
    void requireDocument(const std::string& context);
    // Also refuses numbers that are not finite: libharu would write them into
    // the page as garbage that no reader can parse.
    void requirePage(const std::string& context, std::initializer_list<float> numbers = {});

    // One call on the open page, checked.
    template <typename Call>
    void pageCall(const char* operation, std::initializer_list<float> numbers, Call call) {
        requirePage(operation, numbers);
        beginCall();
        check(call(page), operation);
    }

    // The font or image of a handle; an unknown handle throws ValueException.
    const LoadedFont& font(int handle, const std::string& context);
    HPDF_Image image(int handle, const std::string& context);

    // libharu's name of a TrueType file's font, loading the file into the
    // document the first time it is asked for.
    std::string loadTrueType(const std::string& path);

    // Draws bytes (up to the first NUL) from start and moves the text
    // position to their end.
    void showText(const std::string& text, HPDF_Point start);
    // Frees the document and returns to the created state.
    void dropDocument();
};

}  // namespace keld
