#include "settings/AppSettings.h"

namespace {

bool sameAs(SettingType type, const QVariant &a, const QVariant &b)
{
    switch (type) {
    case SettingType::Integer:
        return a.toInt() == b.toInt();
    case SettingType::Fraction:
        return a.toFloat() == b.toFloat();
    case SettingType::Text:
    case SettingType::SizeText:
        return a.toString() == b.toString();
    case SettingType::Color:
        return a.isValid() == b.isValid() &&
               (!a.isValid() || a.value<QColor>().rgba64() == b.value<QColor>().rgba64());
    case SettingType::Picture: {
        if (a.isValid() != b.isValid())
            return false;
        if (!a.isValid())
            return true;
        const QImage x = a.value<QImage>(), y = b.value<QImage>();
        if (x.cacheKey() == y.cacheKey()) // the same picture, as the window compares it at each edit
            return true;
        return x.size() == y.size() &&
               x.convertToFormat(QImage::Format_RGBA64) == y.convertToFormat(QImage::Format_RGBA64);
    }
    }
    return false;
}

} // namespace

AppSettings::AppSettings()
{
    for (const SettingRow &row : settingRows())
        clear(row.setting);
}

void AppSettings::clear(Setting setting)
{
    QVariant &value = m_values[size_t(setting)];
    switch (settingRow(setting).type) {
    case SettingType::Integer:
        value = 0;
        break;
    case SettingType::Fraction:
        value = 0.0f;
        break;
    case SettingType::Text:
    case SettingType::SizeText:
        value = QString();
        break;
    case SettingType::Color:
    case SettingType::Picture:
        value = QVariant();
        break;
    }
}

const QVariant &AppSettings::at(Setting setting, SettingType type) const
{
    const SettingType rowType = settingRow(setting).type;
    if (rowType != type && !(rowType == SettingType::SizeText && type == SettingType::Text))
        qFatal("AppSettings: %s read or written as another type", settingRow(setting).key);
    return m_values[size_t(setting)];
}

QVariant &AppSettings::at(Setting setting, SettingType type)
{
    return const_cast<QVariant &>(static_cast<const AppSettings *>(this)->at(setting, type));
}

int AppSettings::integer(Setting setting) const
{
    return at(setting, SettingType::Integer).toInt();
}

float AppSettings::fraction(Setting setting) const
{
    return at(setting, SettingType::Fraction).toFloat();
}

QString AppSettings::text(Setting setting) const
{
    return at(setting, SettingType::Text).toString();
}

std::optional<QColor> AppSettings::color(Setting setting) const
{
    const QVariant &value = at(setting, SettingType::Color);
    return value.isValid() ? std::optional<QColor>(value.value<QColor>()) : std::nullopt;
}

std::optional<QImage> AppSettings::picture(Setting setting) const
{
    const QVariant &value = at(setting, SettingType::Picture);
    return value.isValid() ? std::optional<QImage>(value.value<QImage>()) : std::nullopt;
}

void AppSettings::setInteger(Setting setting, int value)
{
    at(setting, SettingType::Integer) = value;
}

void AppSettings::setFraction(Setting setting, float value)
{
    at(setting, SettingType::Fraction) = value;
}

void AppSettings::setText(Setting setting, const QString &value)
{
    at(setting, SettingType::Text) = value;
}

void AppSettings::setColor(Setting setting, const std::optional<QColor> &value)
{
    at(setting, SettingType::Color) = value ? QVariant(*value) : QVariant();
}

void AppSettings::setPicture(Setting setting, const std::optional<QImage> &value)
{
    at(setting, SettingType::Picture) = value && !value->isNull() ? QVariant(*value) : QVariant();
}

bool AppSettings::operator==(const AppSettings &other) const
{
    for (const SettingRow &row : settingRows())
        if (!sameAs(row.type, m_values[size_t(row.setting)], other.m_values[size_t(row.setting)]))
            return false;
    return true;
}
