// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

namespace keld {

// The PDF writer the datasheet draws through, over libharu. Coordinates are
// PDF points, origin bottom left. Every library error becomes an exception of
// the PDFlib::Exception family, chosen by the library's error class, and the
// object stays usable after it; open_file reports an unusable file by -1
// instead. The document is written at close(), to a temporary file beside the
// target renamed over it, so a failed export never leaves a half-written file
// where a good one stood.
//
// States: created -> open_file -> document open -> begin_page -> page open ->
// end_page -> document open -> close -> created. One object writes any number
// of documents, one at a time. Fonts, images, colours and the text position
// belong to the open document; each page starts with black, line width 1 and
// no font. A coordinate, size or colour component that is not a finite
// number throws ValueException.
class PDFlib {
public:
    // What a library error leaves the datasheet to show: the message (at most
    // 255 bytes, cut at a character boundary) and the user data (always null).
    class Exception {
    public:
        Exception(std::string message, void* userData) : message_(std::move(message)), userData_(userData) {}
        const std::string& get_errmsg() const { return message_; }
        void* get_opaque() const { return userData_; }

    private:
        std::string message_;
        void* userData_;
    };
    // One class per library error class 1 ... 11; any other class is Unknown.
    class MemoryException : public Exception {
        using Exception::Exception;
    };
    class IOException : public Exception {
        using Exception::Exception;
    };
    class RuntimeException : public Exception {
        using Exception::Exception;
    };
    class IndexException : public Exception {
        using Exception::Exception;
    };
    class TypeException : public Exception {
        using Exception::Exception;
    };
    class DivisionByZeroException : public Exception {
        using Exception::Exception;
    };
    class OverflowException : public Exception {
        using Exception::Exception;
    };
    class SyntaxException : public Exception {
        using Exception::Exception;
    };
    class ValueException : public Exception {
        using Exception::Exception;
    };
    class SystemException : public Exception {
        using Exception::Exception;
    };
    class NonfatalException : public Exception {
        using Exception::Exception;
    };
    class UnknownException : public Exception {
        using Exception::Exception;
    };

    PDFlib();
    ~PDFlib();  // drops an unclosed document and its temporary file; never throws
    PDFlib(const PDFlib&) = delete;
    PDFlib& operator=(const PDFlib&) = delete;

    // Starts a document for the UTF-8 path. Returns -1, throwing nothing, when
    // the file cannot be created there (empty name, missing or unwritable
    // folder, the path is a folder, a read-only file or no regular file, a
    // name too long); fileFailure() then says why. Otherwise 1. Throws
    // RuntimeException when a document is already open.
    int open_file(const std::string& path);
    // Writes the document and renames it over the target; never throws. A
    // failure leaves the previous target untouched and shows in closeFailed()
    // and fileFailure(). Without an open document it does nothing.
    void close() noexcept;
    // Drops the open document without writing anything: the target stays as
    // it was. Without an open document it does nothing.
    void discard() noexcept;
    // True when the last close() could not write the document; false after a
    // successful close() and after open_file().
    bool closeFailed() const;
    // Why the last open_file() returned -1 or the last close() failed, in the
    // system's words ("No such file or directory", "Permission denied") or,
    // for a target no datasheet may replace, ours ("it is a FIFO, not a
    // regular file"); empty after a success.
    const std::string& fileFailure() const;

    void begin_page(float width, float height);
    void end_page();
    // Keys "Creator", "Author", "Title", "Subject", "Keywords"; others throw
    // ValueException.
    void set_info(const std::string& key, const std::string& value);

    // Returns a handle for one of libharu's built-in fonts. Encoding "host" is
    // WinAnsiEncoding (8-bit Latin, "°" is 0xB0); "STSong-Light" is the
    // built-in Simplified-Chinese font, with "GB-EUC-H" or "GBpc-EUC-H" taking
    // GB 2312 bytes. The embed flag is ignored for these: built-in fonts are
    // never embedded. A name ending in ".ttf" is the path of a TrueType font
    // file, loaded once per document and embedded (only the glyphs the
    // document uses); its encoding is "unicode", taking UTF-8 text. The same
    // font and encoding give the same handle within a document.
    int findfont(const std::string& name, const std::string& encoding, int embed);
    // An unknown handle throws ValueException.
    void setfont(int font, float size);
    // The width in points of text (bytes in the font's encoding) set in the
    // font at the size. An unknown handle throws ValueException.
    float stringwidth(const std::string& text, int font, float size);
    // Whether a TrueType font has a glyph for the character. libharu encodes
    // only the Basic Multilingual Plane, so a character beyond U+FFFF has
    // none. A built-in font's handle throws TypeException.
    bool has_glyph(int font, char32_t codePoint);

    // Text is bytes in the font's encoding, up to the first NUL. show continues
    // at the current text position; every show moves that position to the end
    // of the text shown.
    void show(const std::string& text);
    void show_xy(const std::string& text, float x, float y);
    void set_text_pos(float x, float y);

    // type "fill", "stroke" or "both"; colour space "rgb" (c1..c3), "gray"
    // (c1) or "cmyk" (c1..c4); components 0 ... 1.
    void setcolor(const std::string& type, const std::string& colorspace, float c1, float c2, float c3,
                  float c4);
    void setlinewidth(float width);
    void moveto(float x, float y);
    void lineto(float x, float y);
    void rect(float x, float y, float width, float height);
    void stroke();
    void fill();

    // Loads a JPEG file (type "jpeg"; the string and integer parameters are
    // ignored). The whole picture is decoded first, so that no file that a
    // PDF reader could not show gets into the document. A file that is
    // missing, unreadable or no regular file throws IOException; one that is
    // empty, no JPEG, or damaged or cut short anywhere a SyntaxException.
    int open_image_file(const std::string& type, const std::string& path, const std::string& stringParam,
                        int intParam);
    // Draws the image with its lower-left corner at (x, y), scale points per
    // pixel. An unknown or closed handle throws ValueException.
    void place_image(int image, float x, float y, float scale);
    // Releases the handle; the placed image stays in the document.
    void close_image(int image);

private:
    struct Impl;  // libharu's state for the open document (pdflib_impl.h)
    std::unique_ptr<Impl> impl_;
};

}  // namespace keld
