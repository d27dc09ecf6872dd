#pragma once

#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>

#include <memory>

// libjpeg's Huffman decoding of a sequential scan, done faster in its place: the same
// coefficients into the same blocks, so every pixel stays libjpeg's. A look-up gives a code and
// its value at once, several codes are read between two refills of the bits, and the
// coefficients a shrink on load leaves unused are passed without being kept.
//
// Hand-written: libjpeg-turbo has no faster entropy decoder, and its module interface is the one
// place to put one. That interface (jpegint.h) is libjpeg's internal one, stable since 6b in the
// two members used: an entropy decoder's second member is its decode_mcu(), a marker reader's
// third its read_restart_marker().
//
// Data that is anything but well formed (a code no table holds, a block's coefficients past its
// 64th, the data ending before the scan's last MCU, a source that suspends) makes it give up: the
// decompression then fails with libjpeg's JERR_BAD_HUFF_TABLE and gaveUp() is true; the caller
// decodes the picture again with libjpeg's own decoder, which treats such data in its own way.
//
// Threading: one decoder for one decompressor, on that decompressor's thread.
class JpegHuffmanDecoder {
public:
    JpegHuffmanDecoder();
    ~JpegHuffmanDecoder();
    JpegHuffmanDecoder(const JpegHuffmanDecoder &) = delete;
    JpegHuffmanDecoder &operator=(const JpegHuffmanDecoder &) = delete;

    // Takes over the scan of a decompressor just started (jpeg_start_decompress()) when it is a
    // single 8-bit sequential Huffman-coded scan of every component; false, leaving libjpeg's own
    // decoder in place, otherwise. Uses cinfo->client_data until the decompressor is done.
    bool install(j_decompress_ptr cinfo);

    bool gaveUp() const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};
