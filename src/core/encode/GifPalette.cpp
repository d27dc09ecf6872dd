#include "encode/GifPalette.h"

#include <QCoreApplication>
#include <libimagequant.h>

#include <memory>

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

} // namespace

bool isGifPalettePicture(const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        return false;
    int transparent = 0;
    for (const QRgb entry : image.colorTable()) {
        if (qAlpha(entry) != 0 && qAlpha(entry) != 255)
            return false;
        transparent += qAlpha(entry) == 0;
    }
    return transparent <= 1;
}

Result<QImage> gifPalettePicture(const QImage &source)
{
    if (isGifPalettePicture(source))
        return source;
    // Straight (not premultiplied) RGBA bytes in memory order, as the quantizer reads them.
    QImage rgba = source.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        return Failure(FailureReason::OutOfMemory);
    for (int y = 0; y < rgba.height(); ++y) {
        uchar *p = rgba.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            if (p[3] < 128)
                p[0] = p[1] = p[2] = p[3] = 0;
            else
                p[3] = 255;
        }
    }

    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    liq_set_max_colors(attr.get(), 256);
    std::unique_ptr<liq_image, LiqImageDeleter> image(
        liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    liq_result *rawResult = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &rawResult) != LIQ_OK)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("GifPalette", "the colour quantizer failed"));
    std::unique_ptr<liq_result, LiqResultDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), 1.0f);
    QImage indexed(rgba.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return Failure(FailureReason::OutOfMemory);
    // The quantizer writes rows of exactly the width; Indexed8 rows are padded to four bytes.
    std::unique_ptr<unsigned char *[]> rows(new unsigned char *[size_t(rgba.height())]);
    for (int y = 0; y < rgba.height(); ++y)
        rows[size_t(y)] = indexed.scanLine(y);
    if (liq_write_remapped_image_rows(result.get(), image.get(), rows.get()) != LIQ_OK)
        return Failure(FailureReason::CannotWrite,
                       QCoreApplication::translate("GifPalette", "the colour quantizer failed"));
    const liq_palette *palette = liq_get_palette(result.get());

    // Every pixel the quantizer met was either fully transparent or opaque, so its entries are
    // too; the first transparent one stands for all (the quantizer keeps only one).
    QVector<QRgb> table;
    bool transparentTaken = false;
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color &c = palette->entries[i];
        const bool transparent = c.a < 128 && !transparentTaken;
        transparentTaken = transparentTaken || transparent;
        table << (transparent ? qRgba(0, 0, 0, 0) : qRgb(c.r, c.g, c.b));
    }
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(source.dotsPerMeterX());
    indexed.setDotsPerMeterY(source.dotsPerMeterY());
    return indexed;
}
