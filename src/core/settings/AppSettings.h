#pragma once

#include "settings/SettingsSchema.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

// The values of every persisted option, one per schema row: what the controls hold, what a
// settings file stores, what the command line starts from. A plain value; any thread.
// A new value holds what an absent key reads as: 0, 0.0, empty text, no colour, no picture.
// Each accessor answers for rows of its type only.
class AppSettings {
public:
    AppSettings();

    int integer(Setting setting) const;
    float fraction(Setting setting) const;
    QString text(Setting setting) const; // Text and SizeText rows
    std::optional<QColor> color(Setting setting) const;
    std::optional<QImage> picture(Setting setting) const; // never a null image

    void setInteger(Setting setting, int value);
    void setFraction(Setting setting, float value);
    void setText(Setting setting, const QString &value);
    void setColor(Setting setting, const std::optional<QColor> &value);
    void setPicture(Setting setting, const std::optional<QImage> &value); // a null image is none

    // A row back to what an absent key reads as.
    void clear(Setting setting);
    // A row's value taken from other settings.
    void copy(Setting setting, const AppSettings &from)
    {
        m_values[size_t(setting)] = from.m_values[size_t(setting)];
    }

    bool operator==(const AppSettings &other) const;
    bool operator!=(const AppSettings &other) const { return !(*this == other); }

private:
    const QVariant &at(Setting setting, SettingType type) const;
    QVariant &at(Setting setting, SettingType type);

    std::array<QVariant, kSettingCount> m_values;
};
