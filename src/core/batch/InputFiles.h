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

// The local files of a dropped text/uri-list, each name with its own bytes (QUrl would
// replace the bytes of a name that is not UTF-8).
QStringList localFilesFromUriList(const QByteArray &uriList);
