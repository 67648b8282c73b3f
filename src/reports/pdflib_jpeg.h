// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// A JPEG file the datasheet places, read once and decoded whole before
// libharu sees it. libharu reads only a JPEG's header and copies the rest
// into the PDF unchecked, so a file cut short or damaged would make a
// document that no reader can show. Internal to PDFlib.
struct CheckedJpeg {
    std::string bytes;         // the whole file, when it passed
    unsigned long code = 0;    // the libharu error code when it did not; 0 when it passed
    unsigned long detail = 0;  // errno of a file error
    std::string context;       // the path, with what was wrong with the picture
};

// Reads and checks the file: a missing or unreadable file is a file error
// with the system's reason (a folder, a FIFO or a device too, which are no
// picture files); an empty file, one that is no JPEG, and one whose picture
// does not decode to its last line without a complaint of the decoder are
// invalid JPEG data, with the decoder's message.
CheckedJpeg ReadCheckedJpeg(const std::string& path);

}  // namespace keld
