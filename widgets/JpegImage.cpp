#include "JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it
// jumps back to the function that called into the library. The functions that
// set the jump point hold only plain data, so the jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                unsigned long size) {
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return false;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    return info->output_components == 3;
}

bool readPixels(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* bits,
                qsizetype bytesPerLine) {
    if (setjmp(errors->jump))
        return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + bytesPerLine * info->output_scanline;
        if (jpeg_read_scanlines(info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    jpeg_create_decompress(&info);

    QImage image;
    if (readHeader(&info, &errors, reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size()))) {
        image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
        if (image.isNull() || !readPixels(&info, &errors, image.bits(), image.bytesPerLine()))
            image = QImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}

QImage loadJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}
