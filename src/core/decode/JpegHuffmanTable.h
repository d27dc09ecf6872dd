#pragma once

#include <QtGlobal>

#include <cstdint>
#include <cstring>

// A JPEG Huffman table as the hand-written readers of coded data use it (JpegEntries,
// JpegHuffman): a look-up of a code by its first kLook bits, the code lengths above for longer
// codes, and each value's code for writing one.
struct JpegHuffmanTable {
    static constexpr int kLook = 10;

    uint16_t look[1 << kLook] = {}; // length << 8 | value, 0 for a longer code
    int maxCode[18] = {};           // the largest code of each length, -1 for none
    int firstIndex[17] = {};        // each length's first value, less its first code
    uchar values[256] = {};
    // By value: its code and its length (0: not in the table).
    uint16_t code[256] = {};
    uchar length[256] = {};

    // From the codes of each length (1 to 16 bits) and the values in code order; false for a
    // table libjpeg refuses, which states more codes than a length holds.
    bool build(const uchar *counts, const uchar *stated)
    {
        std::memcpy(values, stated, sizeof values);
        int next = 0, index = 0;
        for (int bits = 1; bits <= 16; ++bits) {
            const int count = counts[bits - 1];
            firstIndex[bits] = index - next;
            for (int i = 0; i < count; ++i, ++index, ++next) {
                const uchar value = values[index & 0xFF];
                code[value] = uint16_t(next);
                length[value] = uchar(bits);
                if (bits <= kLook) {
                    const int shift = kLook - bits;
                    for (int fill = 0; fill < 1 << shift; ++fill)
                        look[(next << shift) | fill] = uint16_t(bits << 8 | value);
                }
            }
            maxCode[bits] = count ? next - 1 : -1;
            if (next > 1 << bits)
                return false;
            next <<= 1;
        }
        maxCode[17] = 0x7FFFFFFF;
        return true;
    }

    // The value of the code that `ahead` (the next 16 bits, from the top) begins with, and its
    // length; -1 for no code.
    int decode(uint32_t ahead, int *codeLength) const
    {
        const uint16_t entry = look[ahead >> (16 - kLook)];
        if (entry) {
            *codeLength = entry >> 8;
            return entry & 0xFF;
        }
        for (int bits = kLook + 1; bits <= 16; ++bits) {
            const int c = int(ahead >> (16 - bits));
            if (c <= maxCode[bits]) {
                *codeLength = bits;
                return values[(firstIndex[bits] + c) & 0xFF];
            }
        }
        return -1;
    }

    // A coefficient's value from its `size` bits as coded.
    static int extend(int raw, int size) { return raw < 1 << (size - 1) ? raw - (1 << size) + 1 : raw; }

    // For decoding coefficients: each code the first kLook bits hold with its value's bits, read
    // at once. `bits` 0 for a code or value beyond them.
    struct Coded {
        int16_t value = 0;
        uint8_t zeros = 0; // before the value; kEndOfBlock, or 16 for sixteen zeros (value 0)
        uint8_t bits = 0;  // the code's and the value's
    };
    static constexpr uint8_t kEndOfBlock = 0xFF;
    Coded coded[1 << kLook];

    // Fills `coded`, for a DC table (values are sizes) or an AC table (zeros and a size).
    void buildCoded(bool ac)
    {
        for (int pattern = 0; pattern < 1 << kLook; ++pattern) {
            Coded c;
            const uint16_t entry = look[pattern];
            const int length = entry >> 8, value = entry & 0xFF;
            const int size = ac ? value & 15 : value, zeros = ac ? value >> 4 : 0;
            if (entry && ac && size == 0) {
                c.bits = uint8_t(length);
                c.zeros = zeros == 15 ? 16 : kEndOfBlock;
            } else if (entry && length + size <= kLook) {
                c.bits = uint8_t(length + size);
                c.zeros = uint8_t(zeros);
                if (size)
                    c.value = int16_t(extend((pattern >> (kLook - length - size)) & ((1 << size) - 1), size));
            }
            coded[pattern] = c;
        }
    }

    // For an AC table whose coefficients are read but not kept: the codes and their value bits
    // that the next kRun bits hold whole, as far as an end of block; most blocks' coefficients
    // are passed a few at a time.
    static constexpr int kRun = 12;
    struct Run {
        uint8_t bits = 0;   // taken by them, 0 when not even the first fits
        uint8_t before = 0; // positions passed before the last one's
        uint8_t passed = 0; // positions passed by all
        uint8_t ends = 0;   // the last is an end of block
    };
    Run runs[1 << kRun];
    bool runsBuilt = false;

    void buildRuns()
    {
        for (uint32_t pattern = 0; pattern < 1u << kRun; ++pattern) {
            Run run;
            for (int at = 0;;) {
                const uint32_t ahead = (pattern << at) & ((1u << kRun) - 1);
                const uint16_t entry = look[ahead >> (kRun - kLook)];
                const int length = entry >> 8, value = entry & 0xFF, zeros = value >> 4, size = value & 15;
                if (!entry || at + length + size > kRun)
                    break;
                at += length + size;
                run.bits = uint8_t(at);
                run.before = run.passed;
                if (size == 0 && zeros != 15) { // the end of the block
                    run.ends = 1;
                    break;
                }
                run.passed += uint8_t(size ? zeros + 1 : 16);
            }
            runs[pattern] = run;
        }
    }
};
