// PNG through libpng directly for the layouts a photo decodes to, so the rows need not be whole.
#include "encode/PngRowEncoder.h"

#include <QCoreApplication>

#include <cmath>
#include <csetjmp>
#include <new>
#include <png.h>
#include <utility>
#include <vector>

namespace {

// Where libpng's callbacks put the bytes and what went wrong.
struct PngOutput {
    QByteArray bytes;
    QString message;
    bool outOfMemory = false;
};

extern "C" void pngEncodeError(png_structp png, png_const_charp message)
{
    auto *state = static_cast<PngOutput *>(png_get_error_ptr(png));
    state->message = QString::fromUtf8(message);
    png_longjmp(png, 1);
}

extern "C" void pngEncodeWarning(png_structp, png_const_charp) {}

extern "C" void pngWriteBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto *state = static_cast<PngOutput *>(png_get_io_ptr(png));
    try {
        state->bytes.append(reinterpret_cast<const char *>(data), qsizetype(length));
    } catch (const std::bad_alloc &) {
        state->outOfMemory = true;
        png_error(png, "out of memory");
    }
}

extern "C" void pngFlush(png_structp) {}

// Each step sets its own jump point and holds only plain locals, so a longjmp skips no destructor.
bool startSteps(png_structp png, png_infop info, QSize size, bool gray, png_uint_32 perMeter)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
                 gray ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_pHYs(png, info, perMeter, perMeter, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    return true;
}

bool writeRowStep(png_structp png, png_const_bytep row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_row(png, row);
    return true;
}

bool finishSteps(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_end(png, info);
    return true;
}

} // namespace

struct PngRowEncoder::State {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngOutput output;
    QImage::Format format = QImage::Format_Invalid;
    int width = 0;
    std::vector<png_byte> row; // an RGB32 row as RGB
    bool failed = false;

    Failure failure() const
    {
        return output.outOfMemory ? Failure(FailureReason::OutOfMemory)
                                  : Failure(FailureReason::CannotWrite, output.message);
    }
};

PngRowEncoder::PngRowEncoder() : m(new State)
{
    m->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &m->output, pngEncodeError, pngEncodeWarning);
    if (m->png)
        m->info = png_create_info_struct(m->png);
    if (m->png && m->info)
        png_set_write_fn(m->png, &m->output, pngWriteBytes, pngFlush);
}

PngRowEncoder::~PngRowEncoder()
{
    if (m->png)
        png_destroy_write_struct(&m->png, m->info ? &m->info : nullptr);
}

bool PngRowEncoder::takes(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 || format == QImage::Format_RGB888 ||
           format == QImage::Format_RGB32;
}

Failure PngRowEncoder::start(QSize size, QImage::Format format, int, double dpi)
{
    if (!m->png || !m->info) {
        m->failed = m->output.outOfMemory = true;
        return m->failure();
    }
    if (!takes(format) || size.isEmpty()) {
        m->failed = true;
        m->output.message =
            QCoreApplication::translate("PngRowEncoder", "rows of this kind are not written here");
        return m->failure();
    }
    m->format = format;
    m->width = size.width();
    if (format == QImage::Format_RGB32)
        m->row.resize(size_t(size.width()) * 3);
    const auto perMeter = png_uint_32(std::max(0L, std::lround(dpi / 0.0254)));
    if (!startSteps(m->png, m->info, size, format == QImage::Format_Grayscale8, perMeter)) {
        m->failed = true;
        return m->failure();
    }
    return {};
}

Failure PngRowEncoder::write(const uchar *rows, qsizetype bytesPerLine, int count)
{
    if (m->failed)
        return m->failure();
    for (int i = 0; i < count; ++i) {
        const uchar *line = rows + qsizetype(i) * bytesPerLine;
        if (m->format == QImage::Format_RGB32) {
            const auto *pixels = reinterpret_cast<const QRgb *>(line);
            png_byte *out = m->row.data();
            for (int x = 0; x < m->width; ++x, out += 3) {
                out[0] = png_byte(qRed(pixels[x]));
                out[1] = png_byte(qGreen(pixels[x]));
                out[2] = png_byte(qBlue(pixels[x]));
            }
            line = m->row.data();
        }
        if (!writeRowStep(m->png, line)) {
            m->failed = true;
            return m->failure();
        }
    }
    return {};
}

Result<QByteArray> PngRowEncoder::finish()
{
    if (m->failed || !finishSteps(m->png, m->info)) {
        m->failed = true;
        return m->failure();
    }
    return std::exchange(m->output.bytes, QByteArray());
}
