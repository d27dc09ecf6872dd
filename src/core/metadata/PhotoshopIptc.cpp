#include "metadata/PhotoshopIptc.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <jpeglib.h>

namespace {

constexpr char kPhotoshopSignature[] = "Photoshop 3.0"; // and its terminating zero: 14 bytes

struct HeaderErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

extern "C" void headerErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<HeaderErrors *>(cinfo->err)->jump, 1);
}

extern "C" void headerMessage(j_common_ptr, int) {}

// libjpeg reads the markers up to the first scan, keeping the APP13 segments. Holds only plain
// locals, so a longjmp skips no destructor.
bool readPhotoshopSegments(jpeg_decompress_struct *cinfo, HeaderErrors *errors, const QByteArray &jpeg)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                 (unsigned long)jpeg.size());
    jpeg_save_markers(cinfo, JPEG_APP0 + 13, 0xFFFF);
    jpeg_read_header(cinfo, TRUE);
    return true;
}

} // namespace

QByteArray jpegIptcOverSegments(const QByteArray &jpeg)
{
    if (!jpeg.startsWith("\xFF\xD8\xFF"))
        return {};
    jpeg_decompress_struct cinfo {};
    HeaderErrors errors {};
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = headerErrorExit;
    errors.pub.emit_message = headerMessage;
    jpeg_create_decompress(&cinfo);
    QByteArray stream;
    int segments = 0;
    if (readPhotoshopSegments(&cinfo, &errors, jpeg)) {
        for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next) {
            if (marker->marker == JPEG_APP0 + 13 && marker->data_length >= sizeof kPhotoshopSignature &&
                std::memcmp(marker->data, kPhotoshopSignature, sizeof kPhotoshopSignature) == 0) {
                stream.append(reinterpret_cast<const char *>(marker->data) + sizeof kPhotoshopSignature,
                              qsizetype(marker->data_length - sizeof kPhotoshopSignature));
                ++segments;
            }
        }
    }
    jpeg_destroy_decompress(&cinfo);
    if (segments < 2)
        return {};
    // exiv2's own walk over the resources finds each IPTC one.
    QByteArray iptc;
    const auto *start = reinterpret_cast<const Exiv2::byte *>(stream.constData());
    const Exiv2::byte *record = nullptr;
    uint32_t headerSize = 0, dataSize = 0;
    for (qsizetype at = 0;
         at < stream.size() && Exiv2::Photoshop::locateIptcIrb(start + at, long(stream.size() - at), &record,
                                                               &headerSize, &dataSize) == 0;) {
        iptc.append(reinterpret_cast<const char *>(record) + headerSize, qsizetype(dataSize));
        at = (record - start) + qsizetype(headerSize) + qsizetype(dataSize) + qsizetype(dataSize & 1);
    }
    return iptc;
}
