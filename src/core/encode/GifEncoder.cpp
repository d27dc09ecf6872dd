// GIF written with giflib from the picture in GIF's terms (gifPalettePicture: libimagequant's
// adaptive palette with its one transparent index).
#include "encode/GifEncoder.h"

#include "encode/GifPalette.h"

#include <gif_lib.h>

#include <memory>

namespace {

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
    const Result<QImage> made = gifPalettePicture(source);
    if (!made.ok())
        return made.failure();
    const QImage &indexed = made.value();
    const QVector<QRgb> palette = indexed.colorTable();

    int transparentIndex = -1;
    int tableSize = 2;
    while (tableSize < int(palette.size()))
        tableSize *= 2;
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(GifMakeMapObject(tableSize, nullptr),
                                                                    GifFreeMapObject);
    for (int i = 0; i < tableSize; ++i) {
        const QRgb entry = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        map->Colors[i].Red = GifByteType(qRed(entry));
        map->Colors[i].Green = GifByteType(qGreen(entry));
        map->Colors[i].Blue = GifByteType(qBlue(entry));
        if (i < palette.size() && qAlpha(entry) == 0 && transparentIndex < 0)
            transparentIndex = i;
    }

    QByteArray bytes;
    int status = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &status);
    if (!gif)
        return Failure(FailureReason::CannotWrite, QString::fromLatin1(GifErrorString(status)));
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map.get()) == GIF_OK;
    if (ok && transparentIndex >= 0) {
        GraphicsControlBlock gcb {};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifByteType *>(indexed.constScanLine(y)), indexed.width()) == GIF_OK;
    if (EGifCloseFile(gif, &status) != GIF_OK)
        ok = false;
    if (!ok)
        return Failure(FailureReason::CannotWrite, QString::fromLatin1(GifErrorString(status)));
    return bytes;
}
