#pragma once

#include "decode/DecodedImage.h"

#include <QSize>
#include <QString>

#include <optional>

// The pictures previews decoded last, kept so that a preview drawn again after an option change
// (an overlay's text, colour or place; the output format) is drawn without decoding the file
// again: for a large photo the decoding is nearly all of a preview's time. A kept picture is
// found only for the same file, unchanged (its device, inode, size and modification time), at
// the same shrink on load and orientation. A few are kept (a cell's preview and the large one),
// together no more than a bound.
//
// Threading: find() and keep() from any thread.
namespace PreviewDecodes {

struct Key {
    QString path;
    QByteArray identity; // what the file system says of the file now; empty when it cannot say
    QSize minimumSize;
    int orientation = 1;
    bool operator==(const Key &other) const
    {
        return path == other.path && identity == other.identity && minimumSize == other.minimumSize &&
               orientation == other.orientation;
    }
};

// What the file system says of the file at `path` now (device, inode, size, times); empty when
// it cannot say or it is not a regular file. Asked before the file is read.
QByteArray fileIdentity(const QString &path);
// Whether a decoded picture of this many bytes is kept at all.
bool worthKeeping(qint64 bytes);
std::optional<DecodedImage> find(const Key &key);
// Keeps the picture (with what the decoder noted), pushing out the oldest kept ones.
void keep(const Key &key, const DecodedImage &decoded);
// Forgets every kept picture.
void forgetAll();
// How many pictures are kept.
int keptCount();

} // namespace PreviewDecodes
