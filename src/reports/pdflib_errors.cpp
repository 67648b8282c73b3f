// SPDX-License-Identifier: MIT
#include "reports/pdflib_errors.h"

#include <hpdf.h>

#include <array>
#include <cstdio>
#include <cstring>

#include "reports/pdflib.h"

namespace keld {
namespace {

struct HaruErrorEntry {
    unsigned long code;
    PdfErrorClass errorClass;
    const char* text;
};

using C = PdfErrorClass;

// Every code of hpdf_error.h. The class follows what the failure means for
// the datasheet: a wrong argument is a Value error, a call out of order a
// Runtime error, broken input files Syntax errors, limits of the file format
// Overflow errors, failures of libraries below libharu System errors.
constexpr std::array kHaruErrors{
    HaruErrorEntry{HPDF_ARRAY_COUNT_ERR, C::Overflow, "Too many elements in an array"},
    HaruErrorEntry{HPDF_ARRAY_ITEM_NOT_FOUND, C::Index, "Array element not found"},
    HaruErrorEntry{HPDF_ARRAY_ITEM_UNEXPECTED_TYPE, C::Type, "Array element of unexpected type"},
    HaruErrorEntry{HPDF_BINARY_LENGTH_ERR, C::Overflow, "Binary data too long"},
    HaruErrorEntry{HPDF_CANNOT_GET_PALLET, C::Syntax, "Image palette cannot be read"},
    HaruErrorEntry{HPDF_DICT_COUNT_ERR, C::Overflow, "Too many elements in a dictionary"},
    HaruErrorEntry{HPDF_DICT_ITEM_NOT_FOUND, C::Index, "Dictionary element not found"},
    HaruErrorEntry{HPDF_DICT_ITEM_UNEXPECTED_TYPE, C::Type, "Dictionary element of unexpected type"},
    HaruErrorEntry{HPDF_DICT_STREAM_LENGTH_NOT_FOUND, C::Syntax, "Stream length not found"},
    HaruErrorEntry{HPDF_DOC_ENCRYPTDICT_NOT_FOUND, C::Runtime, "Encryption is not set up"},
    HaruErrorEntry{HPDF_DOC_INVALID_OBJECT, C::Runtime, "Object does not belong to the document"},
    HaruErrorEntry{HPDF_DUPLICATE_REGISTRATION, C::Nonfatal, "Font or encoding registered twice"},
    HaruErrorEntry{HPDF_EXCEED_JWW_CODE_NUM_LIMIT, C::Overflow, "Too many Japanese word wrap characters"},
    HaruErrorEntry{HPDF_ENCRYPT_INVALID_PASSWORD, C::Value, "Invalid password"},
    HaruErrorEntry{HPDF_ERR_UNKNOWN_CLASS, C::Type, "Object of unknown class"},
    HaruErrorEntry{HPDF_EXCEED_GSTATE_LIMIT, C::Overflow, "Too many nested graphics states"},
    HaruErrorEntry{HPDF_FAILD_TO_ALLOC_MEM, C::Memory, "Out of memory"},
    HaruErrorEntry{HPDF_FILE_IO_ERROR, C::IO, "File cannot be read or written"},
    HaruErrorEntry{HPDF_FILE_OPEN_ERROR, C::IO, "File cannot be opened"},
    HaruErrorEntry{HPDF_FONT_EXISTS, C::Nonfatal, "Font already loaded"},
    HaruErrorEntry{HPDF_FONT_INVALID_WIDTHS_TABLE, C::Syntax, "Font has an invalid widths table"},
    HaruErrorEntry{HPDF_INVALID_AFM_HEADER, C::Syntax, "Font metrics file has an invalid header"},
    HaruErrorEntry{HPDF_INVALID_ANNOTATION, C::Value, "Invalid annotation"},
    HaruErrorEntry{HPDF_INVALID_BIT_PER_COMPONENT, C::Value, "Invalid bits per colour component"},
    HaruErrorEntry{HPDF_INVALID_CHAR_MATRICS_DATA, C::Syntax, "Font metrics file has invalid character data"},
    HaruErrorEntry{HPDF_INVALID_COLOR_SPACE, C::Value, "Colour space not supported"},
    HaruErrorEntry{HPDF_INVALID_COMPRESSION_MODE, C::Value, "Invalid compression mode"},
    HaruErrorEntry{HPDF_INVALID_DATE_TIME, C::Value, "Invalid date"},
    HaruErrorEntry{HPDF_INVALID_DESTINATION, C::Value, "Invalid link destination"},
    HaruErrorEntry{HPDF_INVALID_DOCUMENT, C::Runtime, "No document is open"},
    HaruErrorEntry{HPDF_INVALID_DOCUMENT_STATE, C::Runtime,
                   "Call not allowed in the document's current state"},
    HaruErrorEntry{HPDF_INVALID_ENCODER, C::Value, "Invalid encoding"},
    HaruErrorEntry{HPDF_INVALID_ENCODER_TYPE, C::Type, "Encoding does not suit the font"},
    HaruErrorEntry{HPDF_INVALID_ENCODING_NAME, C::Value, "Encoding name not found"},
    HaruErrorEntry{HPDF_INVALID_ENCRYPT_KEY_LEN, C::Value, "Invalid encryption key length"},
    HaruErrorEntry{HPDF_INVALID_FONTDEF_DATA, C::Syntax, "Invalid font data"},
    HaruErrorEntry{HPDF_INVALID_FONTDEF_TYPE, C::Type, "Font definition of unexpected type"},
    HaruErrorEntry{HPDF_INVALID_FONT_NAME, C::Value, "Font name not found"},
    HaruErrorEntry{HPDF_INVALID_IMAGE, C::Value, "Invalid image"},
    HaruErrorEntry{HPDF_INVALID_JPEG_DATA, C::Syntax, "Image file is no valid JPEG"},
    HaruErrorEntry{HPDF_INVALID_N_DATA, C::Syntax, "Invalid name data"},
    HaruErrorEntry{HPDF_INVALID_OBJECT, C::Value, "Invalid object"},
    HaruErrorEntry{HPDF_INVALID_OBJ_ID, C::Value, "Invalid object number"},
    HaruErrorEntry{HPDF_INVALID_OPERATION, C::Runtime, "Operation not allowed"},
    HaruErrorEntry{HPDF_INVALID_OUTLINE, C::Value, "Invalid outline"},
    HaruErrorEntry{HPDF_INVALID_PAGE, C::Runtime, "No page is open"},
    HaruErrorEntry{HPDF_INVALID_PAGES, C::Runtime, "Invalid page tree"},
    HaruErrorEntry{HPDF_INVALID_PARAMETER, C::Value, "Invalid parameter"},
    HaruErrorEntry{HPDF_INVALID_PNG_IMAGE, C::Syntax, "Image file is no valid PNG"},
    HaruErrorEntry{HPDF_INVALID_STREAM, C::Runtime, "Invalid stream"},
    HaruErrorEntry{HPDF_MISSING_FILE_NAME_ENTRY, C::Value, "File name entry missing"},
    HaruErrorEntry{HPDF_INVALID_TTC_FILE, C::Syntax, "Invalid TrueType collection file"},
    HaruErrorEntry{HPDF_INVALID_TTC_INDEX, C::Index, "Font index beyond the TrueType collection"},
    HaruErrorEntry{HPDF_INVALID_WX_DATA, C::Syntax, "Font metrics file has invalid width data"},
    HaruErrorEntry{HPDF_ITEM_NOT_FOUND, C::Index, "Item not found"},
    HaruErrorEntry{HPDF_LIBPNG_ERROR, C::System, "PNG library failed"},
    HaruErrorEntry{HPDF_NAME_INVALID_VALUE, C::Value, "Invalid name"},
    HaruErrorEntry{HPDF_NAME_OUT_OF_RANGE, C::Overflow, "Name too long"},
    HaruErrorEntry{HPDF_PAGE_INVALID_PARAM_COUNT, C::Value, "Wrong number of parameters"},
    HaruErrorEntry{HPDF_PAGES_MISSING_KIDS_ENTRY, C::Syntax, "Page tree without pages"},
    HaruErrorEntry{HPDF_PAGE_CANNOT_FIND_OBJECT, C::Index, "Page object not found"},
    HaruErrorEntry{HPDF_PAGE_CANNOT_GET_ROOT_PAGES, C::Runtime, "Page tree root not found"},
    HaruErrorEntry{HPDF_PAGE_CANNOT_RESTORE_GSTATE, C::Runtime, "No saved graphics state to restore"},
    HaruErrorEntry{HPDF_PAGE_CANNOT_SET_PARENT, C::Runtime, "Page cannot join the page tree"},
    HaruErrorEntry{HPDF_PAGE_FONT_NOT_FOUND, C::Runtime, "No font is set"},
    HaruErrorEntry{HPDF_PAGE_INVALID_FONT, C::Value, "Invalid font handle"},
    HaruErrorEntry{HPDF_PAGE_INVALID_FONT_SIZE, C::Value, "Invalid font size"},
    HaruErrorEntry{HPDF_PAGE_INVALID_GMODE, C::Runtime, "Call not allowed inside the current path or text"},
    HaruErrorEntry{HPDF_PAGE_INVALID_INDEX, C::Index, "Page index out of range"},
    HaruErrorEntry{HPDF_PAGE_INVALID_ROTATE_VALUE, C::Value, "Page rotation not a multiple of 90 degrees"},
    HaruErrorEntry{HPDF_PAGE_INVALID_SIZE, C::Value, "Invalid page size"},
    HaruErrorEntry{HPDF_PAGE_INVALID_XOBJECT, C::Value, "Invalid image handle"},
    HaruErrorEntry{HPDF_PAGE_OUT_OF_RANGE, C::Value, "Value out of range"},
    HaruErrorEntry{HPDF_REAL_OUT_OF_RANGE, C::Overflow, "Number too large for the file format"},
    HaruErrorEntry{HPDF_STREAM_EOF, C::IO, "Unexpected end of file"},
    HaruErrorEntry{HPDF_STREAM_READLN_CONTINUE, C::IO, "Line too long"},
    HaruErrorEntry{HPDF_STRING_OUT_OF_RANGE, C::Overflow, "Text too long"},
    HaruErrorEntry{HPDF_THIS_FUNC_WAS_SKIPPED, C::Nonfatal, "Call skipped after an earlier error"},
    HaruErrorEntry{HPDF_TTF_CANNOT_EMBEDDING_FONT, C::Runtime, "Font does not allow embedding"},
    HaruErrorEntry{HPDF_TTF_INVALID_CMAP, C::Syntax, "TrueType font has an invalid character map"},
    HaruErrorEntry{HPDF_TTF_INVALID_FOMAT, C::Syntax, "Invalid TrueType font file"},
    HaruErrorEntry{HPDF_TTF_MISSING_TABLE, C::Syntax, "TrueType font misses a table"},
    HaruErrorEntry{HPDF_UNSUPPORTED_FONT_TYPE, C::Type, "Font type not supported"},
    HaruErrorEntry{HPDF_UNSUPPORTED_FUNC, C::System, "Function not available in this build of the library"},
    HaruErrorEntry{HPDF_UNSUPPORTED_JPEG_FORMAT, C::Value, "JPEG format not supported"},
    HaruErrorEntry{HPDF_UNSUPPORTED_TYPE1_FONT, C::Type, "Type 1 font not supported"},
    HaruErrorEntry{HPDF_XREF_COUNT_ERR, C::Overflow, "Too many objects in the document"},
    HaruErrorEntry{HPDF_ZLIB_ERROR, C::System, "Compression library failed"},
    HaruErrorEntry{HPDF_INVALID_PAGE_INDEX, C::Index, "Invalid page index"},
    HaruErrorEntry{HPDF_INVALID_URI, C::Value, "Invalid web address"},
    HaruErrorEntry{HPDF_PAGE_LAYOUT_OUT_OF_RANGE, C::Value, "Page layout out of range"},
    HaruErrorEntry{HPDF_PAGE_MODE_OUT_OF_RANGE, C::Value, "Page mode out of range"},
    HaruErrorEntry{HPDF_PAGE_NUM_STYLE_OUT_OF_RANGE, C::Value, "Page number style out of range"},
    HaruErrorEntry{HPDF_ANNOT_INVALID_ICON, C::Value, "Invalid annotation icon"},
    HaruErrorEntry{HPDF_ANNOT_INVALID_BORDER_STYLE, C::Value, "Invalid annotation border"},
    HaruErrorEntry{HPDF_PAGE_INVALID_DIRECTION, C::Value, "Invalid page direction"},
    HaruErrorEntry{HPDF_INVALID_FONT, C::Value, "Invalid font"},
    HaruErrorEntry{HPDF_PAGE_INSUFFICIENT_SPACE, C::Overflow, "Text does not fit"},
    HaruErrorEntry{HPDF_PAGE_INVALID_DISPLAY_TIME, C::Value, "Invalid display time"},
    HaruErrorEntry{HPDF_PAGE_INVALID_TRANSITION_TIME, C::Value, "Invalid transition time"},
    HaruErrorEntry{HPDF_INVALID_PAGE_SLIDESHOW_TYPE, C::Value, "Invalid slide show type"},
    HaruErrorEntry{HPDF_EXT_GSTATE_OUT_OF_RANGE, C::Value, "Graphics state value out of range"},
    HaruErrorEntry{HPDF_INVALID_EXT_GSTATE, C::Value, "Invalid graphics state"},
    HaruErrorEntry{HPDF_EXT_GSTATE_READ_ONLY, C::Runtime, "Graphics state is read-only"},
    HaruErrorEntry{HPDF_INVALID_U3D_DATA, C::Syntax, "Invalid 3D data"},
    HaruErrorEntry{HPDF_NAME_CANNOT_GET_NAMES, C::Index, "Name dictionary not found"},
    HaruErrorEntry{HPDF_INVALID_ICC_COMPONENT_NUM, C::Value, "Invalid number of colour profile components"},
};

bool IsFileError(unsigned long code) { return code == HPDF_FILE_OPEN_ERROR || code == HPDF_FILE_IO_ERROR; }

}  // namespace

HaruErrorMeaning DescribeHaruError(unsigned long code) {
    for (const HaruErrorEntry& entry : kHaruErrors) {
        if (entry.code == code) return {entry.errorClass, entry.text};
    }
    return {PdfErrorClass::Unknown, "Unknown PDF library error"};
}

std::string HaruErrorMessage(unsigned long code, unsigned long detail, const std::string& context) {
    std::string message = DescribeHaruError(code).text;
    if (!context.empty()) message += ": " + context;

    char codeText[48];
    std::snprintf(codeText, sizeof codeText, " (libharu error 0x%04lX", code);
    message += codeText;
    // libharu passes the C library's errno as the detail of a file error.
    if (IsFileError(code) && detail != 0) {
        message += ", ";
        message += std::strerror(static_cast<int>(detail));
    } else if (detail != 0) {
        std::snprintf(codeText, sizeof codeText, ", detail 0x%04lX", detail);
        message += codeText;
    }
    message += ')';
    return TruncateUtf8(std::move(message), kPdfMessageLimit);
}

std::string TruncateUtf8(std::string text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    // Back up over continuation bytes (10xxxxxx) to the start of the character
    // the limit falls into, and cut before it.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
    return text;
}

void ThrowPdfException(int errorClass, std::string message) {
    switch (static_cast<PdfErrorClass>(errorClass)) {
        case C::Memory:
            throw PDFlib::MemoryException(std::move(message), nullptr);
        case C::IO:
            throw PDFlib::IOException(std::move(message), nullptr);
        case C::Runtime:
            throw PDFlib::RuntimeException(std::move(message), nullptr);
        case C::Index:
            throw PDFlib::IndexException(std::move(message), nullptr);
        case C::Type:
            throw PDFlib::TypeException(std::move(message), nullptr);
        case C::DivisionByZero:
            throw PDFlib::DivisionByZeroException(std::move(message), nullptr);
        case C::Overflow:
            throw PDFlib::OverflowException(std::move(message), nullptr);
        case C::Syntax:
            throw PDFlib::SyntaxException(std::move(message), nullptr);
        case C::Value:
            throw PDFlib::ValueException(std::move(message), nullptr);
        case C::System:
            throw PDFlib::SystemException(std::move(message), nullptr);
        case C::Nonfatal:
            throw PDFlib::NonfatalException(std::move(message), nullptr);
        case C::Unknown:
            break;
    }
    throw PDFlib::UnknownException(std::move(message), nullptr);
}

}  // namespace keld
