// GIF: an adaptive palette with dithering (libimagequant), written with giflib. Pixels under
// half opacity become the one transparent index; the rest are made opaque.
#include "encode/GifEncoder.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <memory>
#include <vector>

namespace {

struct LiqAttrDeleter {
    void operator()(liq_attr *a) const { liq_attr_destroy(a); }
};
struct LiqImageDeleter {
    void operator()(liq_image *i) const { liq_image_destroy(i); }
};
struct LiqResultDeleter {
    void operator()(liq_result *r) const { liq_result_destroy(r); }
};

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

Result<QByteArray> encodeGif(const QImage &source)
{
    if (source.width() > 65535 || source.height() > 65535)
        return Failure(FailureReason::TooLarge, QStringLiteral("GIF holds at most 65535 pixels a side"));
    // Straight (not premultiplied) RGBA bytes in memory order, as the quantizer reads them.
    QImage rgba = source.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        return Failure(FailureReason::OutOfMemory);
    bool transparent = false;
    for (int y = 0; y < rgba.height(); ++y) {
        uchar *p = rgba.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            if (p[3] < 128) {
                p[0] = p[1] = p[2] = p[3] = 0;
                transparent = true;
            } else {
                p[3] = 255;
            }
        }
    }

    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    liq_set_max_colors(attr.get(), 256);
    std::unique_ptr<liq_image, LiqImageDeleter> image(
        liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    liq_result *rawResult = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &rawResult) != LIQ_OK)
        return Failure(FailureReason::CannotWrite, QStringLiteral("the colour quantizer failed"));
    std::unique_ptr<liq_result, LiqResultDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), 1.0f);
    std::vector<unsigned char> indexes(size_t(rgba.width()) * size_t(rgba.height()));
    if (liq_write_remapped_image(result.get(), image.get(), indexes.data(), indexes.size()) != LIQ_OK)
        return Failure(FailureReason::CannotWrite, QStringLiteral("the colour quantizer failed"));
    const liq_palette *palette = liq_get_palette(result.get());

    int transparentIndex = -1;
    int tableSize = 2;
    while (tableSize < int(palette->count))
        tableSize *= 2;
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(GifMakeMapObject(tableSize, nullptr),
                                                                    GifFreeMapObject);
    for (int i = 0; i < tableSize; ++i) {
        const bool used = i < int(palette->count);
        map->Colors[i].Red = used ? palette->entries[i].r : 0;
        map->Colors[i].Green = used ? palette->entries[i].g : 0;
        map->Colors[i].Blue = used ? palette->entries[i].b : 0;
        if (used && transparent && palette->entries[i].a == 0 && transparentIndex < 0)
            transparentIndex = i;
    }

    QByteArray bytes;
    int status = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &status);
    if (!gif)
        return Failure(FailureReason::CannotWrite, QString::fromLatin1(GifErrorString(status)));
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, rgba.width(), rgba.height(), 8, 0, map.get()) == GIF_OK;
    if (ok && transparentIndex >= 0) {
        GraphicsControlBlock gcb {};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, rgba.width(), rgba.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < rgba.height(); ++y)
        ok = EGifPutLine(gif, indexes.data() + size_t(y) * size_t(rgba.width()), rgba.width()) == GIF_OK;
    if (EGifCloseFile(gif, &status) != GIF_OK)
        ok = false;
    if (!ok)
        return Failure(FailureReason::CannotWrite, QString::fromLatin1(GifErrorString(status)));
    return bytes;
}
