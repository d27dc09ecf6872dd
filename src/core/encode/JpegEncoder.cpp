// JPEG through libjpeg-turbo directly: one encoding at the chosen quality, straight from the
// QImage's pixel rows, with the density in the JFIF header.
#include "encode/JpegEncoder.h"

#include "encode/StoredPixels.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>

namespace {

struct JpegEncodeError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

extern "C" void jpegEncodeErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegEncodeError *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Holds only plain locals between the jump point and the libjpeg calls.
bool compress(jpeg_compress_struct *cinfo, JpegEncodeError *err, const QImage *image, int quality,
              unsigned density, unsigned char **buffer, unsigned long *size)
{
    if (setjmp(err->jump))
        return false;
    jpeg_mem_dest(cinfo, buffer, size);
    const bool gray = image->format() == QImage::Format_Grayscale8;
    const bool packed = image->format() == QImage::Format_RGB888;
    cinfo->image_width = JDIMENSION(image->width());
    cinfo->image_height = JDIMENSION(image->height());
    cinfo->input_components = gray ? 1 : packed ? 3 : 4;
    cinfo->in_color_space = gray     ? JCS_GRAYSCALE
                            : packed ? JCS_RGB
                                     : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB);
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    if (!gray && quality >= 90) {
        // Full chroma resolution at high quality, where subsampling is what users would see.
        cinfo->comp_info[0].h_samp_factor = 1;
        cinfo->comp_info[0].v_samp_factor = 1;
    }
    cinfo->write_JFIF_header = TRUE;
    cinfo->density_unit = 1;
    cinfo->X_density = UINT16(density);
    cinfo->Y_density = UINT16(density);
    jpeg_start_compress(cinfo, TRUE);
    JSAMPROW rows[16];
    while (cinfo->next_scanline < cinfo->image_height) {
        const int first = int(cinfo->next_scanline);
        int count = 0;
        for (; count < 16 && first + count < image->height(); ++count)
            rows[count] = const_cast<JSAMPROW>(image->constScanLine(first + count));
        jpeg_write_scanlines(cinfo, rows, JDIMENSION(count));
    }
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace

Result<QByteArray> encodeJpeg(const QImage &source, int quality, double dpi)
{
    // Gray8, RGB888 or RGB32, laid on white.
    const Result<QImage> stored = storedPixels(source, OutputFormat::Jpeg);
    if (!stored.ok())
        return stored.failure();
    const QImage &image = stored.value();
    const unsigned density = unsigned(std::clamp(std::lround(dpi), 1L, 65535L));

    jpeg_compress_struct cinfo {};
    JpegEncodeError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jpegEncodeErrorExit;
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const bool ok = compress(&cinfo, &err, &image, std::clamp(quality, 0, 100), density, &buffer, &size);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes =
        ok ? QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size)) : QByteArray();
    std::free(buffer);
    if (!ok)
        return Failure(err.pub.msg_code == JERR_OUT_OF_MEMORY ? FailureReason::OutOfMemory
                                                              : FailureReason::CannotWrite,
                       QString::fromLocal8Bit(err.message));
    return bytes;
}
