// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

// How libharu's error codes become the exceptions of PDFlib. Internal to the
// reports layer; the datasheet only sees the exceptions.
namespace keld {

// The library's error classes; the number selects the PDFlib exception.
enum class PdfErrorClass : int {
    Memory = 1,
    IO = 2,
    Runtime = 3,
    Index = 4,
    Type = 5,
    DivisionByZero = 6,
    Overflow = 7,
    Syntax = 8,
    Value = 9,
    System = 10,
    Nonfatal = 11,
    Unknown = 12,
};

// The longest message an exception holds, in bytes.
inline constexpr std::size_t kPdfMessageLimit = 255;

struct HaruErrorMeaning {
    PdfErrorClass errorClass;
    const char* text;  // what went wrong, for the user's message box
};

// The class and text of a libharu error code (HPDF_* of hpdf_error.h). A code
// libharu does not define is Unknown, with a generic text.
HaruErrorMeaning DescribeHaruError(unsigned long code);

// The exception message for a libharu error: "<text>: <context> (libharu
// error 0x1017, <detail>)", the context (a path, a font name, the operation)
// left out when empty. For file errors the detail is the system's reason;
// otherwise a non-zero detail code is given in hex. Cut to kPdfMessageLimit.
std::string HaruErrorMessage(unsigned long code, unsigned long detail, const std::string& context);

// The first maxBytes bytes of a UTF-8 text, shortened further so that no
// character is cut in half.
std::string TruncateUtf8(std::string text, std::size_t maxBytes);

// Throws the PDFlib exception of the error class (any number outside 1 ... 11
// gives UnknownException) with the message and null user data.
[[noreturn]] void ThrowPdfException(int errorClass, std::string message);

}  // namespace keld
