#include "decode/EpsSource.h"

#include <QList>
#include <QtEndian>

#include <cmath>

namespace {

// Reads "%%HiResBoundingBox:" or, failing that, "%%BoundingBox:" from the header comments.
QRectF boundingBoxOf(const QByteArray &postscript)
{
    const QByteArray header = postscript.left(256 * 1024);
    QRectF box;
    for (const char *key : {"%%HiResBoundingBox:", "%%BoundingBox:"}) {
        qsizetype at = header.indexOf(key);
        while (at >= 0 && box.isEmpty()) {
            const qsizetype end = header.indexOf('\n', at);
            QByteArray line =
                header.mid(at + qsizetype(qstrlen(key)), end < 0 ? -1 : end - at - qsizetype(qstrlen(key)));
            line.replace('\r', ' ');
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() == 4) {
                bool ok[4];
                const double llx = parts[0].toDouble(&ok[0]), lly = parts[1].toDouble(&ok[1]),
                             urx = parts[2].toDouble(&ok[2]), ury = parts[3].toDouble(&ok[3]);
                if (ok[0] && ok[1] && ok[2] && ok[3] && std::isfinite(llx + lly + urx + ury) && urx > llx &&
                    ury > lly)
                    box = QRectF(QPointF(llx, lly), QPointF(urx, ury));
            }
            at = header.indexOf(key, at + 1);
        }
        if (!box.isEmpty())
            break;
    }
    return box;
}

} // namespace

Result<EpsSource> splitEps(const QByteArray &data)
{
    EpsSource source;
    if (data.startsWith("\xC5\xD0\xD3\xC6")) {
        if (data.size() < 30)
            return Failure(FailureReason::Unsupported, QStringLiteral("the EPS header is truncated"));
        const quint32 offset = qFromLittleEndian<quint32>(data.constData() + 4);
        const quint32 length = qFromLittleEndian<quint32>(data.constData() + 8);
        if (offset < 30 || length == 0 || offset > quint64(data.size()) ||
            length > quint64(data.size()) - offset)
            return Failure(FailureReason::Unsupported,
                           QStringLiteral("the EPS header points outside the file"));
        source.postscript = data.mid(qsizetype(offset), qsizetype(length));
    } else {
        source.postscript = data;
    }
    if (!source.postscript.startsWith("%!PS"))
        return Failure(FailureReason::Unsupported, QStringLiteral("no PostScript in the file"));
    source.boundingBox = boundingBoxOf(source.postscript);
    return source;
}
