#pragma once

#include "batch/NameTemplate.h"

class SourceMetadata;
struct ConversionOptions;

// What a rename template says of a file, from its metadata as read and the output's size: the
// EXIF DateTimeOriginal (else the file's modification time, in local time), the camera (EXIF
// Model, with Make before it unless the model already names the make), the size. Any thread.
NameFacts nameFacts(const SourceMetadata &metadata, const QString &path, QSize outputSize);

// The same read from the file for the options' template, without decoding its picture: only
// what the template uses, the header for the size (the upright stored size resized as the
// options say) and the metadata as a conversion reads it. What cannot be read stays unknown.
// For --dry-run and the window's example; any thread.
NameFacts readNameFacts(const QString &path, const ConversionOptions &options);
