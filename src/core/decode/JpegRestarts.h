#pragma once

#include <QByteArray>

#include <optional>

// A place where a baseline JPEG's picture can be decoded from on its own: a restart interval
// that begins a row of MCUs. Its data, entered with a header for the rows from there down, is a
// stream any decoder reads (its restart markers counted from the interval's number on), and its
// pixels are those of the whole picture's rows, as no block reads another across a restart.
//
// Hand-written: libjpeg reads a stream from its start only, and no packaged library finds where
// a stream's restart intervals begin.
struct JpegRestartEntry {
    QByteArray header;    // the file's markers up to its scan's data, the frame as tall as the rows left
    qsizetype offset = 0; // where the interval's data begins in the file
    int interval = 0;     // the interval's number from the scan's first (0)
    int mcuRow = 0;       // the row of MCUs it begins
    int mcuHeight = 0;    // the rows of pixels in a row of MCUs
};

// The entry whose row of MCUs is nearest `wantedRow` (in the stored picture's rows of pixels),
// in a JPEG of one scan of every component, Huffman coded, sequential, whose header states a
// restart interval. None when the file is not so, when its restart markers before the entry are
// not in order, or when no interval begins a row of MCUs between a quarter and three quarters of
// the picture's height.
std::optional<JpegRestartEntry> jpegRestartEntry(const QByteArray &data, int wantedRow);
