// Fuzzes JpegHuffmanDecoder against libjpeg's own Huffman decoder: on any data, either it gives
// up, or both fail alike, or both give the same rows; at full size and at an eighth (where AC
// coefficients are passed, not kept).
#include "FuzzTarget.h"
#include "decode/JpegHuffman.h"

#include <csetjmp>
#include <jerror.h>

namespace {

struct Outcome {
    QByteArray rows;
    bool failed = false;
    bool gaveUp = false;
};

struct Errors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

extern "C" void quietExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<Errors *>(cinfo->err)->jump, 1);
}

extern "C" void quietMessage(j_common_ptr, int) {}

// Only what is reached through pointers changes after the jump point.
void run(jpeg_decompress_struct *cinfo, Errors *errors, const QByteArray *bytes, unsigned denominator,
         JpegHuffmanDecoder *ours, Outcome *out)
{
    if (setjmp(errors->jump)) {
        out->failed = true;
        out->gaveUp = ours && ours->gaveUp();
        return;
    }
    jpeg_mem_src(cinfo, reinterpret_cast<const uchar *>(bytes->constData()), static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(cinfo, TRUE);
    if (!smallEnoughToFuzz(QSize(int(cinfo->image_width), int(cinfo->image_height)))) {
        out->failed = true;
        return;
    }
    cinfo->scale_num = 1;
    cinfo->scale_denom = denominator;
    jpeg_start_decompress(cinfo);
    if (ours)
        ours->install(cinfo);
    const qsizetype rowBytes = qsizetype(cinfo->output_width) * cinfo->output_components;
    out->rows.resize(rowBytes * cinfo->output_height);
    while (cinfo->output_scanline < cinfo->output_height) {
        auto *row = reinterpret_cast<JSAMPROW>(out->rows.data() + rowBytes * cinfo->output_scanline);
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
}

Outcome decoded(const QByteArray &bytes, unsigned denominator, bool ours)
{
    Outcome out;
    Errors errors;
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = quietExit;
    errors.pub.emit_message = quietMessage;
    jpeg_create_decompress(&cinfo);
    JpegHuffmanDecoder decoder;
    run(&cinfo, &errors, &bytes, denominator, ours ? &decoder : nullptr, &out);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    for (const unsigned denominator : {1u, 8u}) {
        const Outcome ours = decoded(bytes, denominator, true);
        if (ours.gaveUp)
            continue;
        const Outcome libjpeg = decoded(bytes, denominator, false);
        if (ours.failed != libjpeg.failed || (!ours.failed && ours.rows != libjpeg.rows))
            __builtin_trap();
    }
    return 0;
}
