#include "common/FileName.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// An escaped byte is a lone low surrogate; the second half of a pair (after a high surrogate)
// is part of a character beyond U+FFFF.
bool isEscape(const QString &name, qsizetype i)
{
    const char16_t u = name.at(i).unicode();
    return u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF &&
           (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at p (0 when it is not one): overlong forms,
// surrogates and code points beyond U+10FFFF are invalid.
int validSequence(const unsigned char *p, qsizetype left, char32_t *out)
{
    const unsigned char b = p[0];
    int length;
    char32_t cp;
    char32_t least;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2, cp = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, cp = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, cp = b & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    *out = cp;
    return length;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (p[i] < 0x80) {
            name += QChar(char16_t(p[i++]));
            continue;
        }
        char32_t cp = 0;
        const int length = validSequence(p + i, n - i, &cp);
        if (length == 0) {
            name += QChar(char16_t(kEscapeBase + p[i++]));
            continue;
        }
        if (cp >= 0x10000) {
            name += QChar(QChar::highSurrogate(cp));
            name += QChar(QChar::lowSurrogate(cp));
        } else {
            name += QChar(char16_t(cp));
        }
        i += length;
    }
    return name;
}

QByteArray encodeFileName(const QString &name)
{
    if (!hasEscapedBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isEscape(name, i))
            continue;
        bytes += QStringView(name).mid(start, i - start).toUtf8();
        if (i < name.size())
            bytes += char(name.at(i).unicode() - kEscapeBase);
        start = i + 1;
    }
    return bytes;
}

int escapedByte(const QString &name, qsizetype i)
{
    return isEscape(name, i) ? int(name.at(i).unicode() - kEscapeBase) : -1;
}

bool hasEscapedBytes(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (isEscape(name, i))
            return true;
    return false;
}

QString readableFileName(const QString &name)
{
    QString readable = name;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (isEscape(name, i))
            readable[i] = QChar(char16_t(name.at(i).unicode() - kEscapeBase));
    return readable;
}

PathKind pathKind(const QString &path)
{
    struct stat info {};
    if (::stat(encodeFileName(path).constData(), &info) != 0)
        return PathKind::Missing;
    if (S_ISREG(info.st_mode))
        return PathKind::File;
    if (S_ISDIR(info.st_mode))
        return PathKind::Folder;
    return PathKind::Other;
}

bool pathTaken(const QString &path)
{
    struct stat info {};
    return ::lstat(encodeFileName(path).constData(), &info) == 0;
}

int makeFolders(const QString &path)
{
    const QByteArray bytes = encodeFileName(path);
    int parentError = 0; // the reason a parent could not be made says more than "no such file"
    for (qsizetype slash = bytes.indexOf('/', 1); slash >= 0; slash = bytes.indexOf('/', slash + 1))
        if (::mkdir(bytes.left(slash).constData(), 0777) != 0 && errno != EEXIST)
            parentError = errno;
    if (::mkdir(bytes.constData(), 0777) == 0 || errno == EEXIST)
        return 0;
    return errno == ENOENT && parentError ? parentError : errno;
}
