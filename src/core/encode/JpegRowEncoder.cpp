// JPEG through libjpeg-turbo directly: one encoding at the chosen quality, straight from the
// rows as they come, with the density in the JFIF header.
#include "encode/JpegRowEncoder.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>
#include <new>
#include <utility>

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

// The compressed bytes gathered in a QByteArray a buffer at a time. Our own destination: libjpeg's
// memory destination tells where its buffer went only when the file is finished, so a picture
// abandoned half-way could not be freed.
struct ByteDestination {
    jpeg_destination_mgr pub;
    QByteArray *bytes;
    JOCTET buffer[64 * 1024];
};

extern "C" void startDestination(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<ByteDestination *>(cinfo->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
}

void appendBytes(j_compress_ptr cinfo, size_t count)
{
    auto *d = reinterpret_cast<ByteDestination *>(cinfo->dest);
    try {
        d->bytes->append(reinterpret_cast<const char *>(d->buffer), qsizetype(count));
    } catch (const std::bad_alloc &) {
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    }
}

extern "C" boolean emptyDestination(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<ByteDestination *>(cinfo->dest);
    appendBytes(cinfo, sizeof d->buffer);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
    return TRUE;
}

extern "C" void endDestination(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<ByteDestination *>(cinfo->dest);
    appendBytes(cinfo, sizeof d->buffer - d->pub.free_in_buffer);
}

// Each step sets its own jump point and holds only plain locals, so a longjmp skips no destructor.
bool startSteps(jpeg_compress_struct *cinfo, JpegEncodeError *err, QSize size, QImage::Format format,
                int quality, unsigned density)
{
    if (setjmp(err->jump))
        return false;
    const bool gray = format == QImage::Format_Grayscale8;
    const bool packed = format == QImage::Format_RGB888;
    cinfo->image_width = JDIMENSION(size.width());
    cinfo->image_height = JDIMENSION(size.height());
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
    return true;
}

bool writeSteps(jpeg_compress_struct *cinfo, JpegEncodeError *err, const uchar *rows, qsizetype bytesPerLine,
                int count)
{
    if (setjmp(err->jump))
        return false;
    JSAMPROW band[16];
    for (int done = 0; done < count;) {
        const int n = std::min(16, count - done);
        for (int i = 0; i < n; ++i)
            band[i] = const_cast<JSAMPROW>(rows + qsizetype(done + i) * bytesPerLine);
        jpeg_write_scanlines(cinfo, band, JDIMENSION(n));
        done += n;
    }
    return true;
}

bool finishSteps(jpeg_compress_struct *cinfo, JpegEncodeError *err)
{
    if (setjmp(err->jump))
        return false;
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace

struct JpegRowEncoder::State {
    jpeg_compress_struct cinfo {};
    JpegEncodeError err;
    ByteDestination destination {};
    QByteArray bytes;
    bool failed = false;

    Failure failure() const
    {
        return Failure(err.pub.msg_code == JERR_OUT_OF_MEMORY ? FailureReason::OutOfMemory
                                                              : FailureReason::CannotWrite,
                       QString::fromLocal8Bit(err.message));
    }
};

JpegRowEncoder::JpegRowEncoder() : m(new State)
{
    m->cinfo.err = jpeg_std_error(&m->err.pub);
    m->err.pub.error_exit = jpegEncodeErrorExit;
    jpeg_create_compress(&m->cinfo);
    m->destination.pub.init_destination = startDestination;
    m->destination.pub.empty_output_buffer = emptyDestination;
    m->destination.pub.term_destination = endDestination;
    m->destination.bytes = &m->bytes;
    m->cinfo.dest = &m->destination.pub;
}

JpegRowEncoder::~JpegRowEncoder()
{
    jpeg_destroy_compress(&m->cinfo);
}

Failure JpegRowEncoder::start(QSize size, QImage::Format format, int quality, double dpi)
{
    const unsigned density = unsigned(std::clamp(std::lround(dpi), 1L, 65535L));
    if (!startSteps(&m->cinfo, &m->err, size, format, std::clamp(quality, 0, 100), density)) {
        m->failed = true;
        return m->failure();
    }
    return {};
}

Failure JpegRowEncoder::write(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (m->failed)
        return m->failure();
    if (!writeSteps(&m->cinfo, &m->err, rows, bytesPerLine, count)) {
        m->failed = true;
        return m->failure();
    }
    return {};
}

Result<QByteArray> JpegRowEncoder::finish()
{
    if (m->failed || !finishSteps(&m->cinfo, &m->err)) {
        m->failed = true;
        return m->failure();
    }
    return std::exchange(m->bytes, QByteArray());
}
