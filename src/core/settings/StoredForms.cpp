#include "settings/StoredForms.h"

#include <QBuffer>
#include <QStringList>

QByteArray encodeColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    const QString name = rgb.name(QColor::HexArgb);
    if (QColor(name).rgba64() == rgb.rgba64())
        return name.toLatin1();
    const QRgba64 c = rgb.rgba64();
    return QStringLiteral("rgba64:%1,%2,%3,%4")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha())
        .toLatin1();
}

std::optional<QColor> decodeColor(const QByteArray &data)
{
    const QString text = QString::fromLatin1(data).trimmed();
    if (text.startsWith(QLatin1String("rgba64:"))) {
        const QStringList parts = text.mid(7).split(QLatin1Char(','));
        if (parts.size() != 4)
            return std::nullopt;
        quint16 channel[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            const uint value = parts.at(i).toUInt(&ok);
            if (!ok || value > 0xffff)
                return std::nullopt;
            channel[i] = quint16(value);
        }
        return QColor(QRgba64::fromRgba64(channel[0], channel[1], channel[2], channel[3]));
    }
    if (!text.startsWith(QLatin1Char('#')) || (text.size() != 7 && text.size() != 9))
        return std::nullopt;
    const QColor color(text);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

QByteArray encodePicture(const QImage &picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}
