// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// The PDF writer the datasheet draws through. Coordinates are PDF points,
// origin bottom left. Every library error becomes an exception of the
// PDFlib::Exception family, chosen by the library's error class; open_file
// reports an unusable file by -1 instead. The document is written at close(),
// to a temporary file beside the target renamed over it, so a failed export
// never leaves a half-written file where a good one stood.
class PDFlib {
public:
    class Exception {
    public:
        Exception(std::string message, void* userData) : message_(std::move(message)), userData_(userData) {}
        const std::string& get_errmsg() const { return message_; }
        void* get_opaque() const { return userData_; }

    private:
        std::string message_;
        void* userData_;
    };
    class MemoryException : public Exception { using Exception::Exception; };
    class IOException : public Exception { using Exception::Exception; };
    class RuntimeException : public Exception { using Exception::Exception; };
    class IndexException : public Exception { using Exception::Exception; };
    class TypeException : public Exception { using Exception::Exception; };
    class DivisionByZeroException : public Exception { using Exception::Exception; };
    class OverflowException : public Exception { using Exception::Exception; };
    class SyntaxException : public Exception { using Exception::Exception; };
    class ValueException : public Exception { using Exception::Exception; };
    class SystemException : public Exception { using Exception::Exception; };
    class NonfatalException : public Exception { using Exception::Exception; };
    class UnknownException : public Exception { using Exception::Exception; };

    PDFlib();
    ~PDFlib();
    PDFlib(const PDFlib&) = delete;
    PDFlib& operator=(const PDFlib&) = delete;

    int open_file(const std::string& path);  // UTF-8 path; -1 when it cannot be created
    void close();                             // writes the document; never throws
    void begin_page(float width, float height);
    void end_page();
    void set_info(const std::string& key, const std::string& value);
    int findfont(const std::string& name, const std::string& encoding, int embed);
    void setfont(int font, float size);
    void show(const std::string& text);
    void show_xy(const std::string& text, float x, float y);
    void set_text_pos(float x, float y);
    void setcolor(const std::string& type, const std::string& colorspace, float c1, float c2, float c3,
                  float c4);
    void setlinewidth(float width);
    void moveto(float x, float y);
    void lineto(float x, float y);
    void rect(float x, float y, float width, float height);
    void stroke();
    void fill();
    int open_image_file(const std::string& type, const std::string& path, const std::string& stringParam,
                        int intParam);
    void place_image(int image, float x, float y, float scale);
    void close_image(int image);

    // (library state is the implementation's own)
};

}  // namespace keld
