// JPEG through libjpeg-turbo directly: DCT-domain shrink on load, CMYK samples for colour
// management, and the JFIF density, none of which Qt's plugin exposes.
#include "decode/JpegReader.h"

#include "common/LargeImage.h"
#include "common/SpareCores.h"
#include "decode/ImageLimits.h"
#include "decode/JpegEntries.h"
#include "decode/JpegHuffman.h"
#include "transform/CmykConverter.h"
#include "transform/CmykToSrgb.h"
#include "transform/Upright.h"
#include "transform/UprightRows.h"

#include <QCoreApplication>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Rows decoded before they are placed upright: 64 rows make 64 adjacent pixels in each turned row.
constexpr int kBandRows = 64;
// Rows decoded before they are given to a sink: a few of libjpeg's output groups, small enough
// to stay in the cache until the sink has read them.
constexpr int kStreamRows = 16;
// Where a picture without restart markers is divided, in percent of its rows of MCUs: the
// second decoder reads the coded data above before it decodes the rows below.
constexpr int kScanEntryAt = 65;

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool truncated = false;
    char message[JMSG_LENGTH_MAX] = {};
};

extern "C" void jpegErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

extern "C" void jpegEmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    auto *err = reinterpret_cast<JpegErrorManager *>(cinfo->err);
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        err->truncated = true;
    cinfo->err->num_warnings++;
}

// A divided picture's lower part: its entry's header, its lead, then the file's data from the
// entry on; at the end, as jpeg_mem_src() does, a warning and an end-of-image marker.
struct PartSource {
    jpeg_source_mgr pub;
    const JpegPartEntry *entry;
    const QByteArray *data;
    bool leadGiven = false;
    bool dataGiven = false;
};

const JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};

extern "C" void partInit(j_decompress_ptr) {}

extern "C" void partTerm(j_decompress_ptr) {}

extern "C" boolean partFill(j_decompress_ptr cinfo)
{
    auto *source = reinterpret_cast<PartSource *>(cinfo->src);
    if (!source->leadGiven) {
        source->leadGiven = true;
        source->pub.next_input_byte = reinterpret_cast<const JOCTET *>(source->entry->lead.constData());
        source->pub.bytes_in_buffer = size_t(source->entry->lead.size());
        if (source->pub.bytes_in_buffer > 0)
            return TRUE;
    }
    if (!source->dataGiven) {
        source->dataGiven = true;
        source->pub.next_input_byte =
            reinterpret_cast<const JOCTET *>(source->data->constData()) + source->entry->offset;
        source->pub.bytes_in_buffer = size_t(source->data->size() - source->entry->offset);
        if (source->pub.bytes_in_buffer > 0)
            return TRUE;
    }
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->pub.next_input_byte = kEndOfImage;
    source->pub.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

extern "C" void partSkip(j_decompress_ptr cinfo, long count)
{
    jpeg_source_mgr *source = cinfo->src;
    if (count <= 0)
        return;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        (void)(*source->fill_input_buffer)(cinfo);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= size_t(count);
}

// The part's restart markers are numbered on from its interval's, where the decoder counts
// from 0.
extern "C" boolean partResync(j_decompress_ptr cinfo, int desired)
{
    const int marker = (desired + reinterpret_cast<PartSource *>(cinfo->src)->entry->interval) & 7;
    if (cinfo->unread_marker == JPEG_RST0 + marker) {
        cinfo->unread_marker = 0;
        return TRUE;
    }
    return jpeg_resync_to_restart(cinfo, marker);
}

// Rows into a picture's, from a row on; divided (on a core borrowed from this thread's run), the
// rows from there on into another.
class PictureRows final : public RowSink {
public:
    PictureRows(uchar *bits, qsizetype bytesPerLine, int first = 0)
        : m_bits(bits), m_bytesPerLine(bytesPerLine), m_next(first)
    {
    }
    Failure begin(QSize, QImage::Format, const DecodedImage &) override { return {}; }
    Failure take(uchar *rows, qsizetype bytesPerLine, int count) override
    {
        for (int i = 0; i < count; ++i, ++m_next)
            std::memcpy(m_bits + qsizetype(m_next) * m_bytesPerLine, rows + qsizetype(i) * bytesPerLine,
                        size_t(std::min(bytesPerLine, m_bytesPerLine)));
        return {};
    }
    bool canDivide() const override { return !m_lower; }
    RowSink *divide(int first, int *rowsAbove) override
    {
        m_core.emplace();
        if (!*m_core)
            return nullptr;
        *rowsAbove = first;
        m_lower = std::make_unique<PictureRows>(m_bits, m_bytesPerLine, first);
        return m_lower.get();
    }

private:
    uchar *m_bits;
    qsizetype m_bytesPerLine;
    int m_next;
    std::optional<BorrowedCore> m_core;
    std::unique_ptr<PictureRows> m_lower;
};

// Every libjpeg call sits in a method that sets its own jump point and holds only plain
// locals, so a longjmp never skips a destructor.
class JpegReader final : public FormatReader {
public:
    // Given an entry, the reader reads the part of the picture from there down (readPart()).
    explicit JpegReader(const QByteArray &data, const JpegPartEntry *part = nullptr)
        : m_data(data), m_part(part)
    {
        m_cinfo.err = jpeg_std_error(&m_err.pub);
        m_err.pub.error_exit = jpegErrorExit;
        m_err.pub.emit_message = jpegEmitMessage;
        jpeg_create_decompress(&m_cinfo);
    }
    ~JpegReader() override { jpeg_destroy_decompress(&m_cinfo); }

    Failure readHeader() override
    {
        if (!headerSteps())
            return libraryFailure();
        // Saved markers live only until decompression ends: take the profile now.
        m_icc = iccProfile();
        return {};
    }

    QString formatName() const override { return QStringLiteral("JPEG"); }
    QSize size() const override { return QSize(int(m_cinfo.image_width), int(m_cinfo.image_height)); }

    qint64 decodedBytes(QSize minimumSize) const override
    {
        const qint64 d = shrinkDenominator(minimumSize);
        return ((qint64(m_cinfo.image_width) + d - 1) / d) * ((qint64(m_cinfo.image_height) + d - 1) / d) * 4;
    }

    void requestUpright(int orientation) override { m_orientation = orientation; }

    bool givesRows() const override { return true; }

    qint64 streamedBytes(QSize minimumSize) const override
    {
        const qint64 d = shrinkDenominator(minimumSize);
        const qint64 band = ((qint64(m_cinfo.image_width) + d - 1) / d) * 4 * kStreamRows;
        // A progressive (or any multi-scan) JPEG is decoded from all its coefficients at once,
        // two bytes each, at full size whatever the shrink.
        qint64 coefficients = 0;
        if (m_cinfo.progressive_mode || m_cinfo.comps_in_scan < m_cinfo.num_components) {
            int maxH = 1, maxV = 1;
            for (int c = 0; c < m_cinfo.num_components; ++c) {
                maxH = std::max(maxH, m_cinfo.comp_info[c].h_samp_factor);
                maxV = std::max(maxV, m_cinfo.comp_info[c].v_samp_factor);
            }
            for (int c = 0; c < m_cinfo.num_components; ++c) {
                const qint64 w =
                    (qint64(m_cinfo.image_width) * m_cinfo.comp_info[c].h_samp_factor + 8 * maxH - 1) /
                    (8 * maxH);
                const qint64 h =
                    (qint64(m_cinfo.image_height) * m_cinfo.comp_info[c].v_samp_factor + 8 * maxV - 1) /
                    (8 * maxV);
                coefficients += w * h * 64 * 2;
            }
        }
        return band + coefficients;
    }

    Result<DecodedImage> readRows(QSize minimumSize, RowSink *sink) override
    {
        const unsigned denominator = shrinkDenominator(minimumSize);
        const Colours colours = coloursFor(denominator);
        JDIMENSION width = 0, height = 0;
        if (!startSteps(colours.wanted, denominator, &width, &height))
            return libraryFailure();
        if (exceedsImageLimits(width, height))
            return Failure(FailureReason::TooLarge);
        DecodedImage facts = factsFor(denominator, colours.cmyk);
        const QImage::Format format = colours.format;
        const int bytes = QImage::toPixelFormat(format).bitsPerPixel() / 8;
        if (const Failure failure = sink->begin(QSize(int(width), int(height)), format, facts);
            failure.failed())
            return failure;
        const size_t rowBytes = size_t(bytes) * width;
        if (!colours.cmyk && sink->canDivide()) {
            if (std::optional<Failure> divided = readDivided(colours.wanted, denominator, rowBytes, sink))
                return divided->failed() ? Result<DecodedImage>(*divided) : Result<DecodedImage>(facts);
        }
        std::unique_ptr<CmykConverter> cmyk;
        if (colours.cmyk)
            cmyk = std::make_unique<CmykConverter>(m_cinfo.saw_Adobe_marker, m_icc);
        m_converter = cmyk.get();
        const Failure failure = stream(sink, rowBytes, int(height));
        m_converter = nullptr;
        if (failure.failed())
            return failure;
        return facts;
    }

    // The part of the picture from the reader's entry down (or from the top, without one),
    // decoded as the whole picture's rows are (`wanted`, `denominator`: `width` x `rows` of
    // `rowBytes`), given to the sink after the first `skip` rows; `stop`, once set, stops it
    // quietly.
    Failure readPart(J_COLOR_SPACE wanted, unsigned denominator, JDIMENSION width, JDIMENSION rows, int skip,
                     size_t rowBytes, RowSink *sink, const std::atomic<bool> *stop)
    {
        JDIMENSION gotWidth = 0, gotRows = 0;
        if (!headerSteps() || !startSteps(wanted, denominator, &gotWidth, &gotRows))
            return libraryFailure();
        if (gotWidth != width || gotRows != rows + JDIMENSION(skip))
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("JpegReader", "the JPEG data is damaged"));
        m_stop = stop;
        return stream(sink, rowBytes, int(gotRows), skip);
    }

    Result<DecodedImage> read(QSize minimumSize) override
    {
        const unsigned denominator = shrinkDenominator(minimumSize);
        const Colours colours = coloursFor(denominator);
        const bool gray = colours.format == QImage::Format_Grayscale8;
        const bool cmyk = colours.cmyk;
        const bool packed = colours.format == QImage::Format_RGB888;
        const J_COLOR_SPACE wanted = colours.wanted;
        JDIMENSION width = 0, height = 0;
        if (!startSteps(wanted, denominator, &width, &height))
            return libraryFailure();
        if (exceedsImageLimits(width, height))
            return Failure(FailureReason::TooLarge);
        // Turned as it is decoded only at full size, where a turned copy would cost most (and a
        // shrunk picture's partial last block stays on its right and bottom edges).
        const bool turn = m_orientation >= 2 && m_orientation <= 8 && denominator == 1;
        const QSize decodedSize {static_cast<int>(width), static_cast<int>(height)};
        // Every pixel is written (or the file fails): memory a worker kept from its last picture will do.
        QImage image = reusedLargeImage(turn ? uprightSize(decodedSize, m_orientation) : decodedSize,
                                        gray     ? QImage::Format_Grayscale8
                                        : packed ? QImage::Format_RGB888
                                                 : QImage::Format_RGB32);
        if (image.isNull())
            return Failure(FailureReason::OutOfMemory);
        std::optional<Failure> divided;
        if (!turn && SpareCores::ofThisThread()) {
            PictureRows rows(image.bits(), image.bytesPerLine());
            divided = readDivided(wanted, denominator, size_t(image.depth() / 8) * width, &rows);
        }
        if (divided && divided->failed())
            return *divided;
        if (!divided) {
            std::vector<uchar> band(turn ? size_t(image.depth() / 8) * width * kBandRows : 0);
            bool ok = scanlineSteps(&image, turn ? band.data() : nullptr);
            if (!ok && m_huffman.gaveUp())
                ok = restartWithLibjpegDecoder() && scanlineSteps(&image, turn ? band.data() : nullptr);
            if (!ok)
                return libraryFailure();
            if (m_err.truncated)
                return Failure(FailureReason::Unsupported,
                               QCoreApplication::translate("JpegReader", "the file is truncated"));
        }
        DecodedImage out = factsFor(denominator, cmyk);
        if (cmyk)
            convertCmykToRgbInPlace(&image, m_cinfo.saw_Adobe_marker, m_icc);
        out.image = image;
        out.upright = turn;
        return out;
    }

private:
    // The rows up to `until` decoded band by band and given to the sink, but for the first
    // `skip`: what stopped them.
    Failure stream(RowSink *sink, size_t rowBytes, int until, int skip = 0)
    {
        std::vector<uchar> band(rowBytes * kStreamRows);
        m_sink = sink;
        m_sinkFailure = Failure();
        m_given = 0;
        bool ok = streamSteps(band.data(), rowBytes, until, skip);
        if (!ok && m_huffman.gaveUp())
            ok = restartWithLibjpegDecoder() && streamSteps(band.data(), rowBytes, until, std::max(skip, m_given));
        m_sink = nullptr;
        if (!ok)
            return libraryFailure();
        if (m_sinkFailure.failed())
            return m_sinkFailure;
        if (m_err.truncated)
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("JpegReader", "the file is truncated"));
        return {};
    }

    // Whether the rows from an entry on decode, on their own, to the whole picture's pixels: one
    // scan of every component, Huffman coded, and no component upsampled from the rows above and
    // below (libjpeg's smooth upsampling of vertically halved chroma at full size).
    bool dividable() const
    {
        if (m_cinfo.progressive_mode || m_cinfo.arith_code || m_cinfo.comps_in_scan != m_cinfo.num_components)
            return false;
        for (int c = 0; c < m_cinfo.num_components; ++c) {
            const jpeg_component_info &component = m_cinfo.comp_info[c];
            if (m_cinfo.max_v_samp_factor * m_cinfo.min_DCT_scaled_size !=
                component.v_samp_factor * component.DCT_scaled_size)
                return false;
        }
        return true;
    }

    // The picture in two parts at once, when the file and the sink allow: the rows from an entry
    // on from a second decoder on a second thread, those above from this one. What stopped
    // either (the upper part's first); none when not divided.
    //
    // With restart markers, the entry is the restart interval that begins the row of MCUs
    // nearest the middle. Without, the second decoder first reads the coded data down to its
    // entry (jpegScanEntry(), about half as long as decoding it), so its part starts lower, where
    // both finish together; should the data not allow an entry, it decodes the picture from the
    // top, giving only its part's rows.
    std::optional<Failure> readDivided(J_COLOR_SPACE wanted, unsigned denominator, size_t rowBytes,
                                       RowSink *sink)
    {
        // Worth a second thread from about a megapixel stored: most of the work is reading the
        // coded data, whatever the shrink.
        constexpr qint64 kWorthIt = 1'000'000;
        const JDIMENSION width = m_cinfo.output_width, height = m_cinfo.output_height;
        if (qint64(m_cinfo.image_width) * m_cinfo.image_height < kWorthIt || !dividable())
            return std::nullopt;
        std::optional<JpegPartEntry> entry;
        int mcuRow = 0, mcuHeight = 0;
        if (m_cinfo.restart_interval) {
            entry = jpegRestartEntry(m_data, int(m_cinfo.image_height / 2));
            if (!entry)
                return std::nullopt;
            mcuRow = entry->mcuRow;
            mcuHeight = entry->mcuHeight;
        } else {
            const JpegMcuRows rows = jpegMcuRows(m_data);
            mcuRow = int(qint64(rows.rows) * kScanEntryAt / 100);
            mcuHeight = rows.height;
            if (mcuRow < 1 || mcuRow >= rows.rows)
                return std::nullopt;
        }
        // A row of MCUs is at least 8 rows, whole rows at any shrink.
        const int first = mcuRow * mcuHeight / int(denominator);
        int rowsAbove = 0;
        RowSink *lower = sink->divide(first, &rowsAbove);
        if (!lower)
            return std::nullopt;
        std::atomic<bool> stop {false};
        Failure lowerFailure;
        const auto decodeLower = [&] {
            if (!entry)
                entry = jpegScanEntry(m_data, mcuRow);
            if (stop)
                return;
            const JDIMENSION rows = height - JDIMENSION(first);
            if (!entry) {
                JpegReader whole(m_data);
                lowerFailure =
                    whole.readPart(wanted, denominator, width, rows, first, rowBytes, lower, &stop);
                return;
            }
            JpegReader part(m_data, &*entry);
            lowerFailure =
                part.readPart(wanted, denominator, width, rows,
                              entry->skipMcuRows * mcuHeight / int(denominator), rowBytes, lower, &stop);
        };
        std::thread helper;
        try {
            helper = std::thread(decodeLower);
        } catch (const std::exception &) {
            // No second thread: the lower part after the upper.
        }
        const Failure upper = stream(sink, rowBytes, std::min(rowsAbove, int(height)));
        if (upper.failed())
            stop = true;
        if (helper.joinable())
            helper.join();
        else if (!upper.failed())
            decodeLower();
        const Failure joined = sink->joinDivided();
        return upper.failed() ? upper : lowerFailure.failed() ? lowerFailure : joined;
    }

    // What libjpeg is asked to give, and the picture's format then.
    struct Colours {
        J_COLOR_SPACE wanted;
        QImage::Format format;
        bool cmyk; // CMYK samples, converted after
    };

    Colours coloursFor(unsigned denominator) const
    {
        const J_COLOR_SPACE source = m_cinfo.jpeg_color_space;
        if (source == JCS_GRAYSCALE)
            return {JCS_GRAYSCALE, QImage::Format_Grayscale8, false};
        if (source == JCS_CMYK || source == JCS_YCCK)
            return {JCS_CMYK, QImage::Format_RGB32, true};
        // Full size, the picture is held whole for the output: three bytes a pixel instead of
        // four. Shrunk, the resampler's four-channel loops are faster.
        if (denominator == 1)
            return {JCS_RGB, QImage::Format_RGB888, false};
        return {Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB, QImage::Format_RGB32, false};
    }

    DecodedImage factsFor(unsigned denominator, bool cmyk) const
    {
        DecodedImage out;
        out.iccProfile = cmyk ? QByteArray() : m_icc;
        out.convertedToSrgb = cmyk;
        out.storedSize = size();
        out.shrink = int(denominator);
        out.statedDpi = m_statedDpi;
        return out;
    }

    // Decodes the rows up to `until` band by band into `band`, each band converted from CMYK when
    // asked and given to the sink; a sink's failure stops it (m_sinkFailure), and so does m_stop.
    bool streamSteps(uchar *band, size_t rowBytes, int until, int skip)
    {
        if (setjmp(m_err.jump))
            return false;
        JSAMPROW rows[kStreamRows];
        for (int i = 0; i < kStreamRows; ++i)
            rows[i] = band + size_t(i) * rowBytes;
        const int height = std::min(until, int(m_cinfo.output_height));
        while (int(m_cinfo.output_scanline) < height) {
            if (m_stop && m_stop->load())
                return true;
            const int line = int(m_cinfo.output_scanline);
            const int count = std::min(kStreamRows, (line < skip ? std::min(skip, height) : height) - line);
            int done = 0;
            while (done < count) {
                const JDIMENSION read = jpeg_read_scanlines(&m_cinfo, rows + done, JDIMENSION(count - done));
                if (read == 0 || m_err.truncated)
                    break; // suspended on missing data: the truncation flag says so
                done += int(read);
            }
            if (done < count || m_err.truncated)
                return true;
            if (line < skip)
                continue;
            if (m_converter)
                m_converter->convert(band, qsizetype(rowBytes), int(m_cinfo.output_width), done);
            m_sinkFailure = m_sink->take(band, qsizetype(rowBytes), done);
            if (m_sinkFailure.failed())
                return true;
            m_given = line + done;
        }
        if (height == int(m_cinfo.output_height))
            jpeg_finish_decompress(&m_cinfo);
        else
            jpeg_abort_decompress(&m_cinfo); // the rest is another decoder's
        return true;
    }

    // What libjpeg stopped on: its own words, and running out of memory told apart.
    Failure libraryFailure() const
    {
        const FailureReason reason = m_err.pub.msg_code == JERR_OUT_OF_MEMORY ? FailureReason::OutOfMemory
                                                                              : FailureReason::Unsupported;
        return {reason, QString::fromLocal8Bit(m_err.message)};
    }

    // After JpegHuffmanDecoder gave up on the data: the decompression begun again, with libjpeg's
    // own Huffman decoder.
    bool restartWithLibjpegDecoder()
    {
        jpeg_abort_decompress(&m_cinfo);
        m_libjpegHuffman = true;
        m_err.truncated = false;
        JDIMENSION width = 0, height = 0;
        return headerSteps() && startSteps(m_wanted, m_denominator, &width, &height);
    }

    bool headerSteps()
    {
        if (setjmp(m_err.jump))
            return false;
        if (m_part) {
            m_partSource.leadGiven = m_partSource.dataGiven = false;
            m_partSource.pub.init_source = partInit;
            m_partSource.pub.fill_input_buffer = partFill;
            m_partSource.pub.skip_input_data = partSkip;
            m_partSource.pub.resync_to_restart = partResync;
            m_partSource.pub.term_source = partTerm;
            m_partSource.pub.next_input_byte = reinterpret_cast<const JOCTET *>(m_part->header.constData());
            m_partSource.pub.bytes_in_buffer = size_t(m_part->header.size());
            m_partSource.entry = m_part;
            m_partSource.data = &m_data;
            m_cinfo.src = &m_partSource.pub;
        } else {
            jpeg_mem_src(&m_cinfo, reinterpret_cast<const unsigned char *>(m_data.constData()),
                         static_cast<unsigned long>(m_data.size()));
            jpeg_save_markers(&m_cinfo, JPEG_APP0 + 2, 0xFFFF);
        }
        jpeg_read_header(&m_cinfo, TRUE);
        if (m_cinfo.saw_JFIF_marker && m_cinfo.X_density > 0) {
            if (m_cinfo.density_unit == 1)
                m_statedDpi = m_cinfo.X_density;
            else if (m_cinfo.density_unit == 2)
                m_statedDpi = m_cinfo.X_density * 2.54;
        }
        return true;
    }

    // The largest power-of-two shrink that keeps both sides at or above the minimum.
    unsigned shrinkDenominator(QSize minimumSize) const
    {
        if (!minimumSize.isValid() || minimumSize.isEmpty())
            return 1;
        for (unsigned d : {8u, 4u, 2u}) {
            const qint64 w = (qint64(m_cinfo.image_width) + d - 1) / d;
            const qint64 h = (qint64(m_cinfo.image_height) + d - 1) / d;
            if (w >= minimumSize.width() && h >= minimumSize.height())
                return d;
        }
        return 1;
    }

    bool startSteps(J_COLOR_SPACE wanted, unsigned denominator, JDIMENSION *width, JDIMENSION *height)
    {
        if (setjmp(m_err.jump))
            return false;
        m_wanted = wanted;
        m_denominator = denominator;
        m_cinfo.out_color_space = wanted;
        m_cinfo.scale_num = 1;
        m_cinfo.scale_denom = denominator;
        jpeg_start_decompress(&m_cinfo);
        if (!m_libjpegHuffman)
            m_huffman.install(&m_cinfo);
        *width = m_cinfo.output_width;
        *height = m_cinfo.output_height;
        return true;
    }

    // Decodes into the picture's rows, or with a band into the band, whose rows are then placed
    // upright in the picture.
    bool scanlineSteps(QImage *image, uchar *band)
    {
        if (setjmp(m_err.jump))
            return false;
        JSAMPROW rows[kBandRows];
        const size_t rowBytes = size_t(image->depth() / 8) * m_cinfo.output_width;
        const int height = int(m_cinfo.output_height);
        while (m_cinfo.output_scanline < m_cinfo.output_height) {
            const int first = int(m_cinfo.output_scanline);
            const int count = std::min(band ? kBandRows : 8, height - first);
            for (int i = 0; i < count; ++i)
                rows[i] = band ? band + size_t(i) * rowBytes : image->scanLine(first + i);
            int done = 0;
            while (done < count) {
                const JDIMENSION read = jpeg_read_scanlines(&m_cinfo, rows + done, JDIMENSION(count - done));
                if (read == 0 || m_err.truncated)
                    break; // suspended on missing data: the truncation flag says so
                done += int(read);
            }
            if (band)
                placeRowsUpright(rows, first, done, int(m_cinfo.output_width), height, m_orientation, image);
            if (done < count || m_err.truncated)
                return true;
        }
        jpeg_finish_decompress(&m_cinfo);
        return true;
    }

    QByteArray iccProfile()
    {
        JOCTET *data = nullptr;
        unsigned int length = 0;
        if (setjmp(m_err.jump))
            return QByteArray();
        if (!jpeg_read_icc_profile(&m_cinfo, &data, &length) || !data)
            return QByteArray();
        QByteArray icc(reinterpret_cast<const char *>(data), int(length));
        free(data);
        return icc;
    }

    QByteArray m_data;
    const JpegPartEntry *m_part = nullptr;
    PartSource m_partSource {};
    jpeg_decompress_struct m_cinfo {};
    JpegErrorManager m_err;
    JpegHuffmanDecoder m_huffman;
    bool m_libjpegHuffman = false; // the Huffman decoder given up, libjpeg's in its place
    J_COLOR_SPACE m_wanted = JCS_UNKNOWN;
    unsigned m_denominator = 1;
    double m_statedDpi = 0.0;
    QByteArray m_icc;
    int m_orientation = 1;
    // While readRows() runs.
    RowSink *m_sink = nullptr;
    const CmykConverter *m_converter = nullptr;
    Failure m_sinkFailure;
    int m_given = 0; // rows given to the sink
    const std::atomic<bool> *m_stop = nullptr;
};

} // namespace

std::unique_ptr<FormatReader> createJpegReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<JpegReader>(data);
}

bool isJpeg(const QByteArray &data)
{
    return data.startsWith("\xFF\xD8\xFF");
}
