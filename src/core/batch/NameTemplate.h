#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QVector>

// What a rename template may say of a file beyond its path and list position, found by
// nameFacts() or readNameFacts(). Unknown parts are left empty or invalid and come out as
// "unknown". A plain value.
struct NameFacts {
    QDateTime taken;  // EXIF DateTimeOriginal, else the file's modification time (local time)
    QString camera;   // EXIF Make and Model, the make left out when the model names it
    QSize outputSize; // the output's size, after the resize
};

// A rename template: text with fields in braces, such as "{date:%Y%m%d}-{n:3}". The fields:
// {name} (the current name without extension), {title}, {n} and {n:W} (the 1-based list
// position, zero-padded to W digits, 1-9), {date} and {date:FORMAT} (when the picture was
// taken, by default as %Y-%m-%d; FORMAT is text with %Y %m %d %H %M %S %y %j and %%), {camera},
// {width} and {height} (the output's size after the resize), {folder} (the name of the input's
// folder). "{{" and "}}" stand for the braces themselves. Hand-written: a small grammar of our
// own, with the date's conversions kept to a safe few rather than handed to strftime.
// A plain value; parse() never fails by a crash: a bad template has its error().
class NameTemplate {
public:
    enum class Field { Text, Name, Title, Number, Date, Camera, Width, Height, Folder };

    static NameTemplate parse(const QString &text);

    bool isValid() const { return m_error.isEmpty(); }
    // Why the template cannot be used, in words: "unknown field {foo}".
    const QString &error() const { return m_error; }
    bool uses(Field field) const;
    // Whether expanding it needs what only the file tells: its date, camera or size.
    bool needsFacts() const { return uses(Field::Date) || uses(Field::Camera) || needsSize(); }
    bool needsSize() const { return uses(Field::Width) || uses(Field::Height); }

    // The template filled in, as typed: the caller makes it a file name.
    QString expand(const QString &inputPath, int position, const QString &title,
                   const NameFacts &facts) const;

private:
    struct Piece {
        Field field = Field::Text;
        QString text;  // Text: the text; Date: the format
        int width = 0; // Number: the digits, 0 for as many as it takes
    };
    QVector<Piece> m_pieces;
    QString m_error;
};
