#include "decode/EpsSource.h"

#include <QCoreApplication>
#include <QList>
#include <QtEndian>

#include <cmath>

namespace {

// The words after a comment's key, up to the end of its line.
QByteArray commentValue(const QByteArray &text, qsizetype at, const char *key)
{
    const qsizetype start = at + qsizetype(qstrlen(key));
    qsizetype end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
    return text.mid(start, end - start).simplified();
}

QRectF boxOf(const QByteArray &value)
{
    const QList<QByteArray> parts = value.split(' ');
    if (parts.size() != 4)
        return QRectF();
    bool ok[4];
    const double llx = parts[0].toDouble(&ok[0]), lly = parts[1].toDouble(&ok[1]),
                 urx = parts[2].toDouble(&ok[2]), ury = parts[3].toDouble(&ok[3]);
    if (ok[0] && ok[1] && ok[2] && ok[3] && std::isfinite(llx + lly + urx + ury) && urx > llx && ury > lly)
        return QRectF(QPointF(llx, lly), QPointF(urx, ury));
    return QRectF();
}

// Reads "%%HiResBoundingBox:" or, failing that, "%%BoundingBox:" from the header comments; a
// header comment "(atend)" defers to the last such comment in the file, in its trailer.
QRectF boundingBoxOf(const QByteArray &postscript)
{
    const QByteArray header = postscript.left(256 * 1024);
    for (const char *key : {"%%HiResBoundingBox:", "%%BoundingBox:"}) {
        QRectF box;
        bool atEnd = false;
        for (qsizetype at = header.indexOf(key); at >= 0 && box.isEmpty(); at = header.indexOf(key, at + 1)) {
            const QByteArray value = commentValue(header, at, key);
            atEnd = atEnd || value == "(atend)";
            box = boxOf(value);
        }
        if (atEnd) {
            const qsizetype last = postscript.lastIndexOf(key);
            if (last >= 0)
                box = boxOf(commentValue(postscript, last, key));
        }
        if (!box.isEmpty())
            return box;
    }
    return QRectF();
}

} // namespace

Result<EpsSource> splitEps(const QByteArray &data)
{
    EpsSource source;
    if (data.startsWith("\xC5\xD0\xD3\xC6")) {
        if (data.size() < 30)
            return Failure(FailureReason::Unsupported,
                           QCoreApplication::translate("EpsSource", "the EPS header is truncated"));
        const quint32 offset = qFromLittleEndian<quint32>(data.constData() + 4);
        const quint32 length = qFromLittleEndian<quint32>(data.constData() + 8);
        if (offset < 30 || length == 0 || offset > quint64(data.size()) ||
            length > quint64(data.size()) - offset)
            return Failure(
                FailureReason::Unsupported,
                QCoreApplication::translate("EpsSource", "the EPS header points outside the file"));
        source.postscript =
            data.mid(qsizetype(offset), dosPostScriptEnd(data, offset, length) - qsizetype(offset));
    } else {
        source.postscript = data;
    }
    if (!source.postscript.startsWith("%!PS"))
        return Failure(FailureReason::Unsupported,
                       QCoreApplication::translate("EpsSource", "no PostScript in the file"));
    source.boundingBox = boundingBoxOf(source.postscript);
    return source;
}

qsizetype dosPostScriptEnd(const QByteArray &data, quint32 offset, quint32 length)
{
    const qsizetype declaredEnd = qsizetype(offset) + qsizetype(length);
    const QByteArrayView section = QByteArrayView(data).sliced(offset, length);
    const char last = section.isEmpty() ? '\n' : section.back();
    if (last == '\n' || last == '\r' || last == '\x04' ||
        section.last(std::min<qsizetype>(section.size(), 4096)).contains("%%EOF"))
        return declaredEnd;
    // The previews (WMF, then TIFF) that lie after the section bound it.
    qsizetype end = data.size();
    for (const int field : {12, 20}) {
        const quint64 previewOffset = qFromLittleEndian<quint32>(data.constData() + field);
        const quint64 previewLength = qFromLittleEndian<quint32>(data.constData() + field + 4);
        if (previewLength > 0 && previewOffset >= quint64(declaredEnd) && previewOffset < quint64(end))
            end = qsizetype(previewOffset);
    }
    return end;
}
