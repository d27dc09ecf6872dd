#pragma once

#include <QByteArray>

#include <optional>

// A place where a sequential JPEG's picture can be decoded from on its own, by a second decoder
// while the first decodes the rows above: a stream any decoder reads, made of a header for the
// rows from there down, a lead, and the file's data from an offset on, whose pixels are those of
// the whole picture's rows.
//
// Hand-written: libjpeg reads a stream from its start only, and no packaged library finds where
// a stream can be entered, nor the state a decoder has there.
struct JpegPartEntry {
    QByteArray header;    // the file's markers up to its scan's data, the frame as tall as the rows left
    QByteArray lead;      // coded data given before the file's own (see jpegScanEntry())
    qsizetype offset = 0; // where the file's data is entered
    int interval = 0;     // the restart interval entered, from the scan's first (0)
    int mcuRow = 0;       // the row of MCUs the part's frame begins with
    int mcuHeight = 0;    // the rows of pixels in a row of MCUs
    int skipMcuRows = 0;  // rows of MCUs decoded first but not the picture's (a lead's)
};

// The restart interval that begins a row of MCUs nearest `wantedRow` (in the stored picture's
// rows of pixels), in a JPEG of one scan of every component, Huffman coded, sequential, whose
// header states a restart interval. There no block reads another across the restart. None when
// the file is not so, when its restart markers before the entry are not in order, or when no
// interval begins a row of MCUs between a quarter and three quarters of the picture's height.
std::optional<JpegPartEntry> jpegRestartEntry(const QByteArray &data, int wantedRow);

// An entry into a JPEG of one 8-bit sequential Huffman-coded scan of every component and no
// restart interval, whose rows from MCU row `mcuRow` (at least 1) on are given; found by reading
// the coded data up to there. A decoder needs two things there: where a block begins, mid-byte,
// and each component's last DC value, as every block's DC is coded as a difference from the one
// before. The lead is a few MCUs of flat blocks that bring a decoder from a scan's start to that
// state (a DC value spread over several blocks where the table lacks its size), padded with a few
// coefficients to end mid-byte where the file's next block begins; they fill the left of the row
// before `mcuRow`, whose rows are therefore skipped (skipMcuRows 1). None when the file is not
// so, its data before the row is damaged or cut, or its tables cannot code such a lead.
std::optional<JpegPartEntry> jpegScanEntry(const QByteArray &data, int mcuRow);

// Rows of MCUs in the file's frame, and the pixel rows of one; {0, 0} when it is not a single
// sequential Huffman-coded frame.
struct JpegMcuRows {
    int rows = 0;
    int height = 0;
};
JpegMcuRows jpegMcuRows(const QByteArray &data);
