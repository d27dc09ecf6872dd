#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVariant>

#include <optional>

// Values as settings files hold them: colours and pictures as bytes that give back the same
// value, and each row's value as its key stores it.

class AppSettings;
struct SettingRow;

// "#AARRGGBB", or "rgba64:r,g,b,a" for colours finer than 8 bits a channel.
QByteArray encodeColor(const QColor &color);
// Only the forms above (and "#RRGGBB"): a colour name would depend on the Qt version.
std::optional<QColor> decodeColor(const QByteArray &data);

// A picture as PNG bytes.
QByteArray encodePicture(const QImage &picture);

// A row's value as its key stores it: numbers, texts, the forms above.
QVariant storedValue(const SettingRow &row, const AppSettings &values);

enum class StoredRead {
    Absent,   // the key is not there
    Usable,   // the value is in `values`
    Unusable, // the wrong type, or out of the row's range: `values` is left as it was
};
// Reads one row's stored value into `values`.
StoredRead readStoredValue(const SettingRow &row, const QVariant &stored, AppSettings &values);
