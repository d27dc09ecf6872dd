#pragma once

#include <QStringList>

// Every extension the decoders take, lower case, each once: PNG, TIFF, JPEG, GIF, PSD, ICNS,
// HEIF, AVIF, JPEG XL, JPEG 2000 and camera raw files, then EPS, BMP, WebP, TGA (tga, icb, vda,
// vst: TGA is known by its name), ICO, CUR and PSB. The one list the window's open dialog
// (its first filter), drops, folders and the desktop entry's types agree with; a file is taken
// in any case of its extension ("Sunset.Jpg").
const QStringList &readableExtensions();
// The open dialog's second filter, in its order: each in lower and upper case (PNG, TIFF, JPEG,
// GIF, PSD, icons, then HEIF, AVIF, JPEG XL, JPEG 2000 and camera raw files).
const QStringList &openDialogExtensions();

// True when the file name's extension is one of the list's entries, in any case: the open
// dialog offers "Sunset.Jpg", so every road takes it.
bool hasAcceptedExtension(const QString &path, const QStringList &extensions);

// The inputs of a batch from paths as a user names them: a folder stands for the files
// directly in it with a readable extension, sorted by name; anything else stays as given, so a
// missing file keeps its place and fails at its turn. What a folder holds under a picture's
// name but is not a regular file (a FIFO, a device, a folder, a dangling link) goes into
// `skipped`.
QStringList expandInputs(const QStringList &paths, QStringList *skipped = nullptr);

// What a list of paths stands for, folders taken whole or not.
struct ExpandedInputs {
    QStringList inputs;       // in list order
    QStringList subfolders;   // each input's folder below the output folder ("2024/trip"); empty
                              // for a file named itself and for the files directly in a named folder
    QStringList skipped;      // under a picture's name but not a regular file
    QStringList unreadable;   // folders of a tree that could not be listed: "path: reason"
    QStringList emptyFolders; // named folders that gave no picture
};

// The same, and with `wholeTrees` a folder stands for the pictures of its whole tree: in each
// folder its files first, then its subfolders, each level sorted by name without regard to case
// (names equal but for case in the order of their bytes' code points), each file with its folder
// relative to the named one. Symbolic links to folders are not followed (the one named is), so a
// tree cannot loop; hidden folders and hidden files are passed over; a subfolder that cannot be
// read is listed in `unreadable` and the rest of the tree is taken. Across a run a file enters
// once: one met again (the same file by device and inode: a folder named twice, a file named
// beside its folder, a folder inside another named one) keeps the place and subfolder of its
// first mention. Without `wholeTrees` the result is expandInputs()'s, subfolders all empty.
ExpandedInputs expandInputs(const QStringList &paths, bool wholeTrees);

// The local files of a dropped text/uri-list, each name with its own bytes (QUrl would
// replace the bytes of a name that is not UTF-8).
QStringList localFilesFromUriList(const QByteArray &uriList);
