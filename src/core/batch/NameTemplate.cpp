#include "batch/NameTemplate.h"

#include "batch/OutputNaming.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kUnknown = QStringLiteral("unknown");
const QString kFieldList = QStringLiteral(
    "{name}, {title}, {n}, {n:3}, {date}, {date:%Y-%m-%d}, {camera}, {width}, {height}, {folder}");

// The date's conversions: each is a fixed number of digits.
QString dateText(const QDateTime &when, const QString &format)
{
    if (!when.isValid())
        return kUnknown;
    const QDate day = when.date();
    const QTime time = when.time();
    const auto digits = [](int value, int width) {
        return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
    };
    QString text;
    for (int i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%') || i + 1 >= format.size()) {
            text += format.at(i);
            continue;
        }
        switch (format.at(++i).unicode()) {
        case 'Y':
            text += digits(day.year(), 4);
            break;
        case 'y':
            text += digits(day.year() % 100, 2);
            break;
        case 'm':
            text += digits(day.month(), 2);
            break;
        case 'd':
            text += digits(day.day(), 2);
            break;
        case 'j':
            text += digits(day.dayOfYear(), 3);
            break;
        case 'H':
            text += digits(time.hour(), 2);
            break;
        case 'M':
            text += digits(time.minute(), 2);
            break;
        case 'S':
            text += digits(time.second(), 2);
            break;
        default: // '%', the only other one parse() lets through
            text += QLatin1Char('%');
            break;
        }
    }
    return text;
}

// The error in a date format, or an empty string.
QString dateFormatError(const QString &format)
{
    for (int i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%'))
            continue;
        if (i + 1 >= format.size())
            return QStringLiteral("{date:%1} ends with a lone %; write %% for the sign itself").arg(format);
        const QChar c = format.at(++i);
        if (!QStringLiteral("YymdjHMS%").contains(c))
            return QCoreApplication::translate("NameTemplate",
                                               "%%1 is not a date field; use %Y %m %d %H %M %S %y %j or %%")
                .arg(c);
    }
    return QString();
}

QString folderName(const QString &inputPath)
{
    const QString folder = QFileInfo(inputPath).absolutePath();
    const QString name = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
    return name.isEmpty() ? kUnknown : name;
}

} // namespace

NameTemplate NameTemplate::parse(const QString &text)
{
    NameTemplate t;
    if (text.isEmpty()) {
        t.m_error = QCoreApplication::translate("NameTemplate", "the template is empty");
        return t;
    }
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty())
            t.m_pieces.append({Field::Text, literal, 0});
        literal.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}')) {
                literal += c;
                ++i;
                continue;
            }
            t.m_error = QCoreApplication::translate("NameTemplate",
                                                    "a } without its {; write }} for the brace itself");
            return t;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('{')) {
            literal += c;
            ++i;
            continue;
        }
        const int close = text.indexOf(QLatin1Char('}'), i + 1);
        if (close < 0) {
            t.m_error = QCoreApplication::translate("NameTemplate",
                                                    "a { without its }; write {{ for the brace itself");
            return t;
        }
        const QString inside = text.mid(i + 1, close - i - 1);
        const int colon = inside.indexOf(QLatin1Char(':'));
        const QString name = colon < 0 ? inside : inside.left(colon);
        const QString spec = colon < 0 ? QString() : inside.mid(colon + 1);
        Piece piece;
        static const QVector<std::pair<QString, Field>> kNames = {
            {QStringLiteral("name"), Field::Name},     {QStringLiteral("title"), Field::Title},
            {QStringLiteral("n"), Field::Number},      {QStringLiteral("date"), Field::Date},
            {QStringLiteral("camera"), Field::Camera}, {QStringLiteral("width"), Field::Width},
            {QStringLiteral("height"), Field::Height}, {QStringLiteral("folder"), Field::Folder},
        };
        bool known = false;
        for (const auto &entry : kNames)
            if (entry.first == name) {
                piece.field = entry.second;
                known = true;
            }
        if (!known) {
            t.m_error = QCoreApplication::translate("NameTemplate", "unknown field {%1}; the fields are %2")
                            .arg(inside, kFieldList);
            return t;
        }
        if (piece.field == Field::Number && colon >= 0) {
            bool ok = false;
            piece.width = spec.toInt(&ok);
            if (!ok || spec.size() != 1 || piece.width < 1 || piece.width > 9) {
                t.m_error = QStringLiteral("{n:%1} takes a width from 1 to 9; as in {n:3}").arg(spec);
                return t;
            }
        } else if (piece.field == Field::Date) {
            piece.text = colon < 0 ? QStringLiteral("%Y-%m-%d") : spec;
            const QString error =
                piece.text.isEmpty() ? QStringLiteral("{date:} has no format") : dateFormatError(piece.text);
            if (!error.isEmpty()) {
                t.m_error = error;
                return t;
            }
        } else if (colon >= 0) {
            t.m_error = QStringLiteral("{%1} takes no format; only {n:W} and {date:FORMAT} do").arg(inside);
            return t;
        }
        flush();
        t.m_pieces.append(piece);
        i = close;
    }
    flush();
    return t;
}

bool NameTemplate::uses(Field field) const
{
    for (const Piece &piece : m_pieces)
        if (piece.field == field)
            return true;
    return false;
}

QString NameTemplate::expand(const QString &inputPath, int position, const QString &title,
                             const NameFacts &facts) const
{
    QString name;
    for (const Piece &piece : m_pieces) {
        switch (piece.field) {
        case Field::Text:
            name += piece.text;
            break;
        case Field::Name:
            name += baseNameOf(inputPath);
            break;
        case Field::Title:
            name += title;
            break;
        case Field::Number:
            name += QStringLiteral("%1").arg(position, piece.width, 10, QLatin1Char('0'));
            break;
        case Field::Date:
            name += dateText(facts.taken, piece.text);
            break;
        case Field::Camera:
            name += facts.camera.isEmpty() ? kUnknown : facts.camera;
            break;
        case Field::Width:
            name += facts.outputSize.isValid() ? QString::number(facts.outputSize.width()) : kUnknown;
            break;
        case Field::Height:
            name += facts.outputSize.isValid() ? QString::number(facts.outputSize.height()) : kUnknown;
            break;
        case Field::Folder:
            name += folderName(inputPath);
            break;
        }
    }
    return name;
}
