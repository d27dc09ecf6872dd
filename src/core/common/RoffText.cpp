#include "common/RoffText.h"

#include <QRegularExpression>

QString roffText(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    // Letters beyond ASCII by their code point: troff reads its input as Latin-1 unless told.
    QString ascii;
    for (const char32_t code : text.toUcs4())
        ascii += code < 0x80
                     ? QString(QChar(code))
                     : QStringLiteral("\\[u%1]").arg(
                           QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return ascii;
}

QString roffProse(const QString &text, const QStringList &argumentNames)
{
    static const QRegularExpression flag(QStringLiteral("(\\\\-\\\\-[a-z0-9]+(?:\\\\-[a-z0-9]+)*)"));
    QString page = roffText(text).replace(flag, QStringLiteral("\\fB\\1\\fR"));
    if (!argumentNames.isEmpty())
        page.replace(
            QRegularExpression(QStringLiteral("\\b(%1)\\b").arg(argumentNames.join(QLatin1Char('|')))),
            QStringLiteral("\\fI\\1\\fR"));
    return page;
}
