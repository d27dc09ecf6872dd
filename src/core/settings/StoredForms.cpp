#include "settings/StoredForms.h"

#include "options/ControlTexts.h"
#include "pipeline/DecodeUpright.h"
#include "settings/AppSettings.h"

#include <QBuffer>
#include <QStringList>

#include <cmath>

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

StoredRead readStoredValue(const SettingRow &row, const QVariant &stored, AppSettings &values)
{
    if (!stored.isValid())
        return StoredRead::Absent;
    bool ok = false;
    switch (row.type) {
    case SettingType::Integer: {
        const int value = stored.toString().trimmed().toInt(&ok);
        if (!ok || value < row.min || value > row.max)
            return StoredRead::Unusable;
        values.setInteger(row.setting, value);
        return StoredRead::Usable;
    }
    case SettingType::Fraction: {
        const float value = stored.toString().trimmed().toFloat(&ok);
        if (!ok || !std::isfinite(value) || value < 0.0f || value > 1.0f)
            return StoredRead::Unusable;
        values.setFraction(row.setting, value);
        return StoredRead::Usable;
    }
    case SettingType::Text:
    case SettingType::SizeText: {
        // A list or a blob is not a text.
        if (stored.typeId() != QMetaType::QString)
            return StoredRead::Unusable;
        const QString value = stored.toString();
        if ((row.type == SettingType::SizeText && !isAcceptableSizeText(value)) || !row.fits(value))
            return StoredRead::Unusable;
        values.setText(row.setting, value);
        return StoredRead::Usable;
    }
    case SettingType::Color: {
        const QByteArray bytes = stored.toByteArray();
        if (bytes.isEmpty())
            return StoredRead::Usable; // holds no colour
        const std::optional<QColor> color = decodeColor(bytes);
        if (!color)
            return StoredRead::Unusable;
        values.setColor(row.setting, color);
        return StoredRead::Usable;
    }
    case SettingType::Picture: {
        if (stored.typeId() != QMetaType::QByteArray)
            return StoredRead::Unusable;
        if (stored.toByteArray().isEmpty())
            return StoredRead::Usable; // holds no picture
        const Result<QImage> picture = decodeImageData(stored.toByteArray());
        if (!picture.ok())
            return StoredRead::Unusable;
        values.setPicture(row.setting, picture.value());
        return StoredRead::Usable;
    }
    }
    return StoredRead::Unusable;
}

QVariant storedValue(const SettingRow &row, const AppSettings &values)
{
    switch (row.type) {
    case SettingType::Integer:
        return values.integer(row.setting);
    case SettingType::Fraction:
        // The shortest exact form, so a float comes back bit for bit.
        return QString::number(values.fraction(row.setting), 'g', 9);
    case SettingType::Text:
    case SettingType::SizeText:
        return values.text(row.setting);
    case SettingType::Color: {
        const std::optional<QColor> color = values.color(row.setting);
        return color ? encodeColor(*color) : QByteArray();
    }
    case SettingType::Picture: {
        const std::optional<QImage> picture = values.picture(row.setting);
        return picture ? encodePicture(*picture) : QByteArray();
    }
    }
    return QVariant();
}
