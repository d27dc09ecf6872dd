#include "batch/InputList.h"

#include "common/FileName.h"

QStringList inputListEntries(const QByteArray &bytes, bool nulSeparated)
{
    QStringList paths;
    const char separator = nulSeparated ? '\0' : '\n';
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf(separator, start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (!nulSeparated && length > 0 && bytes.at(end - 1) == '\r')
            --length;
        if (length > 0)
            paths << decodeFileName(bytes.mid(start, length));
        start = end + 1;
    }
    return paths;
}
