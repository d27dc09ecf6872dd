#include "settings/SettingsStore.h"

#include "options/ControlTexts.h"
#include "pipeline/DecodeUpright.h"
#include "common/Logging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

namespace {

enum Key {
    MenuBarOpened,
    LightTitleAndSize,
    FileCheckBoxSelected,
    TitleField,
    CheckBoxEnableEditSize,
    RadioWidth,
    RadioHeight,
    InputWidth,
    InputHeight,
    LightLogo,
    EnableLogo,
    LogoImage,
    LogoOpacity,
    LogoPopUp,
    LogoPosition,
    LightWatermark,
    EnableWatermark,
    WatermarkText,
    WatermarkOpacity,
    WatermarkPopUp,
    WatermarkColor,
    FontListPopup,
    WatermarkPosition,
    LightCopyright,
    EnableCopyright,
    CopyrightLines,
    CopyrightOpacity,
    CopyrightColor,
    FileFormat,
    JpegQuality,
    Zoom,
};

// Reads one file's values; `fallback` answers for values that are present but unusable.
class Reader {
public:
    Reader(QSettings &settings, const AppSettings &fallback, QStringList *problems)
        : m_settings(settings), m_fallback(fallback), m_problems(problems)
    {
    }

    void readInto(AppSettings &s)
    {
        readInt(MenuBarOpened, 0, 4, &AppSettings::menuBarOpened, s);
        readInt(LightTitleAndSize, 0, 1, &AppSettings::lightTitleAndSizeHidden, s);
        readInt(FileCheckBoxSelected, 0, 3, &AppSettings::fileCheckBoxSelected, s);
        readText(TitleField, &AppSettings::titleField, s, false);
        readInt(CheckBoxEnableEditSize, 0, 1, &AppSettings::resizeBox, s);
        readInt(RadioWidth, 0, 1, &AppSettings::widthSide, s);
        readInt(RadioHeight, 0, 1, &AppSettings::heightSide, s);
        readText(InputWidth, &AppSettings::widthField, s, true);
        readText(InputHeight, &AppSettings::heightField, s, true);
        readInt(LightLogo, 0, 1, &AppSettings::lightLogoHidden, s);
        readInt(EnableLogo, 0, 1, &AppSettings::enableLogo, s);
        readLogo(s);
        readFloat(LogoOpacity, &AppSettings::logoOpacity, s);
        readInt(LogoPopUp, 0, 2, &AppSettings::logoPopUp, s);
        readInt(LogoPosition, 0, 4, &AppSettings::logoPosition, s);
        readInt(LightWatermark, 0, 1, &AppSettings::lightWatermarkHidden, s);
        readInt(EnableWatermark, 0, 1, &AppSettings::enableWatermark, s);
        readText(WatermarkText, &AppSettings::watermarkText, s, false);
        readFloat(WatermarkOpacity, &AppSettings::watermarkOpacity, s);
        readInt(WatermarkPopUp, 0, 3, &AppSettings::watermarkPopUp, s);
        readColor(WatermarkColor, &AppSettings::watermarkColor, s);
        readInt(FontListPopup, -1, 1 << 20, &AppSettings::fontListPopup, s);
        readInt(WatermarkPosition, 0, 6, &AppSettings::watermarkPosition, s);
        readInt(LightCopyright, 0, 1, &AppSettings::lightCopyrightHidden, s);
        readInt(EnableCopyright, 0, 1, &AppSettings::enableCopyright, s);
        readInt(CopyrightLines, -1, 4, &AppSettings::copyrightLinesTag, s);
        readFloat(CopyrightOpacity, &AppSettings::copyrightOpacity, s);
        readColor(CopyrightColor, &AppSettings::copyrightColor, s);
        readInt(FileFormat, 0, 3, &AppSettings::fileFormatPopUp, s);
        readFloat(JpegQuality, &AppSettings::jpegQuality, s);
        readFloat(Zoom, &AppSettings::zoom, s);

        const QVariant family = m_settings.value(QLatin1String(kFontFamilyKey));
        if (family.isValid())
            s.fontFamily = family.toString();
    }

private:
    QString key(Key k) const { return QLatin1String(kSettingsKeys[k]); }

    void unusable(Key k) { m_problems->append(key(k)); }

    void readInt(Key k, int min, int max, int AppSettings::*field, AppSettings &s)
    {
        const QVariant v = m_settings.value(key(k));
        if (!v.isValid())
            return;
        bool ok = false;
        const int value = v.toString().trimmed().toInt(&ok);
        if (ok && value >= min && value <= max) {
            s.*field = value;
        } else {
            s.*field = m_fallback.*field;
            unusable(k);
        }
    }

    void readFloat(Key k, float AppSettings::*field, AppSettings &s)
    {
        const QVariant v = m_settings.value(key(k));
        if (!v.isValid())
            return;
        bool ok = false;
        const float value = v.toString().trimmed().toFloat(&ok);
        if (ok && std::isfinite(value) && value >= 0.0f && value <= 1.0f) {
            s.*field = value;
        } else {
            s.*field = m_fallback.*field;
            unusable(k);
        }
    }

    void readText(Key k, QString AppSettings::*field, AppSettings &s, bool sizeField)
    {
        const QVariant v = m_settings.value(key(k));
        if (!v.isValid())
            return;
        // A list or a blob is not a text.
        const bool isText = v.typeId() == QMetaType::QString;
        const QString value = v.toString();
        if (isText && (!sizeField || isAcceptableSizeText(value))) {
            s.*field = value;
        } else {
            s.*field = m_fallback.*field;
            unusable(k);
        }
    }

    void readColor(Key k, std::optional<QColor> AppSettings::*field, AppSettings &s)
    {
        const QVariant v = m_settings.value(key(k));
        if (!v.isValid())
            return;
        if (v.toByteArray().isEmpty())
            return; // holds no colour
        const std::optional<QColor> color = decodeColor(v.toByteArray());
        if (color) {
            s.*field = color;
        } else {
            s.*field = m_fallback.*field;
            unusable(k);
        }
    }

    void readLogo(AppSettings &s)
    {
        const QVariant v = m_settings.value(key(LogoImage));
        if (!v.isValid())
            return;
        if (v.typeId() == QMetaType::QByteArray && v.toByteArray().isEmpty())
            return; // holds no logo
        QString error;
        const QImage logo = v.typeId() == QMetaType::QByteArray ? decodeImageData(v.toByteArray(), &error)
                                                                : QImage();
        if (!logo.isNull()) {
            s.logoImage = logo;
        } else {
            s.logoImage = m_fallback.logoImage;
            unusable(LogoImage);
        }
    }

    QSettings &m_settings;
    const AppSettings &m_fallback;
    QStringList *m_problems;
};

} // namespace

QByteArray encodeColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    const QString name = rgb.name(QColor::HexArgb);
    if (QColor(name).rgba64() == rgb.rgba64())
        return name.toLatin1();
    // Colours finer than 8 bits a channel keep all 16.
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
    // Only "#RRGGBB" and "#AARRGGBB": a colour name would depend on the Qt version.
    if (!text.startsWith(QLatin1Char('#')) || (text.size() != 7 && text.size() != 9))
        return std::nullopt;
    const QColor color(text);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

QByteArray encodeLogo(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

SettingsStore::SettingsStore(const QString &filePath, const QString &defaultsPath)
    : m_filePath(filePath), m_defaultsPath(defaultsPath)
{
}

QString SettingsStore::userFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pressmark/pressmark.conf");
}

bool SettingsStore::isFirstRun() const
{
    return !QFileInfo::exists(m_filePath);
}

AppSettings SettingsStore::defaults() const
{
    AppSettings values;
    if (!QFileInfo::exists(m_defaultsPath))
        return values;
    QSettings file(m_defaultsPath, QSettings::IniFormat);
    QStringList ignored;
    Reader(file, AppSettings(), &ignored).readInto(values);
    return values;
}

AppSettings SettingsStore::load()
{
    m_problems.clear();
    m_error.clear();
    const AppSettings fallback = defaults();
    if (isFirstRun()) {
        qCInfo(lcSettings, "Nera failo");
        return fallback;
    }
    QSettings file(m_filePath, QSettings::IniFormat);
    if (file.status() != QSettings::NoError || !QFileInfo(m_filePath).isReadable()) {
        // Kept beside the new file, so nothing the user had is lost.
        const QString aside = m_filePath + QStringLiteral(".unreadable");
        QFile::remove(aside);
        m_error = QFile::copy(m_filePath, aside)
                      ? QStringLiteral("the settings file could not be read; a copy is kept at %1").arg(aside)
                      : QStringLiteral("the settings file %1 could not be read").arg(m_filePath);
        qCWarning(lcSettings, "%s", qPrintable(m_error));
        return fallback;
    }
    AppSettings values;
    Reader(file, fallback, &m_problems).readInto(values);
    if (!m_problems.isEmpty())
        qCWarning(lcSettings, "unusable settings replaced by defaults: %s", qPrintable(m_problems.join(u' ')));
    return values;
}

bool SettingsStore::save(const AppSettings &s)
{
    m_error.clear();
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSettings file(m_filePath, QSettings::IniFormat);
    file.clear();
    auto put = [&file](Key k, const QVariant &value) { file.setValue(QLatin1String(kSettingsKeys[k]), value); };
    // Floats go out in their shortest exact form, so they come back bit for bit.
    auto number = [](float value) { return QString::number(value, 'g', 9); };
    put(MenuBarOpened, s.menuBarOpened);
    put(LightTitleAndSize, s.lightTitleAndSizeHidden);
    put(FileCheckBoxSelected, s.fileCheckBoxSelected);
    put(TitleField, s.titleField);
    put(CheckBoxEnableEditSize, s.resizeBox);
    put(RadioWidth, s.widthSide);
    put(RadioHeight, s.heightSide);
    put(InputWidth, s.widthField);
    put(InputHeight, s.heightField);
    put(LightLogo, s.lightLogoHidden);
    put(EnableLogo, s.enableLogo);
    put(LogoImage, s.logoImage && !s.logoImage->isNull() ? encodeLogo(*s.logoImage) : QByteArray());
    put(LogoOpacity, number(s.logoOpacity));
    put(LogoPopUp, s.logoPopUp);
    put(LogoPosition, s.logoPosition);
    put(LightWatermark, s.lightWatermarkHidden);
    put(EnableWatermark, s.enableWatermark);
    put(WatermarkText, s.watermarkText);
    put(WatermarkOpacity, number(s.watermarkOpacity));
    put(WatermarkPopUp, s.watermarkPopUp);
    put(WatermarkColor, s.watermarkColor ? encodeColor(*s.watermarkColor) : QByteArray());
    put(FontListPopup, s.fontListPopup);
    put(WatermarkPosition, s.watermarkPosition);
    put(LightCopyright, s.lightCopyrightHidden);
    put(EnableCopyright, s.enableCopyright);
    put(CopyrightLines, s.copyrightLinesTag);
    put(CopyrightOpacity, number(s.copyrightOpacity));
    put(CopyrightColor, s.copyrightColor ? encodeColor(*s.copyrightColor) : QByteArray());
    put(FileFormat, s.fileFormatPopUp);
    put(JpegQuality, number(s.jpegQuality));
    put(Zoom, number(s.zoom));
    file.setValue(QLatin1String(kFontFamilyKey), s.fontFamily);
    file.sync();
    if (file.status() != QSettings::NoError) {
        m_error = QStringLiteral("the settings could not be written to %1").arg(m_filePath);
        qCWarning(lcSettings, "%s", qPrintable(m_error));
        return false;
    }
    return true;
}

bool SettingsStore::resetToDefaults()
{
    if (!QFileInfo::exists(m_defaultsPath))
        return false;
    return save(defaults());
}

QImage shippedLogo()
{
    QImage logo(QStringLiteral(":/pressmark/images/LogoW.svg"));
    return logo.convertToFormat(QImage::Format_ARGB32);
}
