// SPDX-License-Identifier: MIT
#include "reports/pdflib_jpeg.h"

// jpeglib.h needs the FILE and size types of <cstdio> declared before it.
// clang-format off
#include <cstdio>
// clang-format on
#include <fcntl.h>
#include <hpdf.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>

namespace keld {
namespace {

// The logos and the badge are a few kilobytes; libharu takes a picture's
// size as a 32-bit number.
constexpr off_t kLargestPicture = 64 * 1024 * 1024;

// libjpeg reports errors through this; it is C, so an error leaves the
// decoder by longjmp back into DecodesWhole.
struct DecoderErrors {
    jpeg_error_mgr manager;  // first member: libjpeg hands back its address
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void LeaveDecoder(j_common_ptr decoder) {
    auto* errors = reinterpret_cast<DecoderErrors*>(decoder->err);
    (*decoder->err->format_message)(decoder, errors->message);
    std::longjmp(errors->escape, 1);
}

// A warning is corrupt or missing data that libjpeg would paper over with
// grey blocks (a file cut short, a damaged block): the picture is damaged.
void OnDecoderMessage(j_common_ptr decoder, int level) {
    if (level < 0) LeaveDecoder(decoder);
}

// Decodes every line of the picture; false with the decoder's message in
// `message` when it cannot. Only C objects live in this frame, so the
// longjmp skips no destructor.
bool DecodesWhole(const unsigned char* data, unsigned long size, char* message) {
    jpeg_decompress_struct decoder = {};  // zero, so that an early error destroys nothing
    DecoderErrors errors;
    decoder.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveDecoder;
    errors.manager.emit_message = OnDecoderMessage;
    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_decompress(&decoder);
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, size);
    jpeg_read_header(&decoder, TRUE);
    // An eighth of the size decodes every coefficient of every block, which
    // is what finds the damage, with a fraction of the pixel work.
    decoder.scale_num = 1;
    decoder.scale_denom = 8;
    jpeg_start_decompress(&decoder);
    const JDIMENSION lineBytes = decoder.output_width * static_cast<JDIMENSION>(decoder.output_components);
    JSAMPARRAY line =
        (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE, lineBytes, 1);
    while (decoder.output_scanline < decoder.output_height) jpeg_read_scanlines(&decoder, line, 1);
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

CheckedJpeg FileError(unsigned long code, int error, const std::string& path) {
    CheckedJpeg failed;
    failed.code = code;
    failed.detail = static_cast<unsigned long>(error);
    failed.context = path;
    return failed;
}

}  // namespace

CheckedJpeg ReadCheckedJpeg(const std::string& path) {
    // Non-blocking, so that a FIFO in place of a picture cannot stall the
    // export before it is refused; a terminal never becomes ours.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileError(HPDF_FILE_OPEN_ERROR, errno, path);
    struct stat status {};
    const int statError = fstat(fd, &status) != 0 ? errno : 0;
    if (statError != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        if (statError != 0) return FileError(HPDF_FILE_OPEN_ERROR, statError, path);
        if (S_ISDIR(status.st_mode)) return FileError(HPDF_FILE_OPEN_ERROR, EISDIR, path);
        return FileError(HPDF_FILE_OPEN_ERROR, 0, path + ", not a regular file");
    }

    if (status.st_size > kLargestPicture) {
        ::close(fd);
        CheckedJpeg failed;
        failed.code = HPDF_INVALID_JPEG_DATA;
        failed.context = path + ", larger than any picture of the datasheet";
        return failed;
    }

    CheckedJpeg jpeg;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return FileError(HPDF_FILE_IO_ERROR, error, path);
        }
        jpeg.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);

    char message[JMSG_LENGTH_MAX] = {};
    if (!DecodesWhole(reinterpret_cast<const unsigned char*>(jpeg.bytes.data()), jpeg.bytes.size(),
                      message)) {
        CheckedJpeg failed;
        failed.code = HPDF_INVALID_JPEG_DATA;
        failed.context = path + ", " + message;
        return failed;
    }
    return jpeg;
}

}  // namespace keld
