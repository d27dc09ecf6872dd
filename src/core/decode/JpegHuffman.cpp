#include "decode/JpegHuffman.h"

#include "decode/JpegHuffmanTable.h"

#include <jerror.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The members of libjpeg's internal modules that are used (jpegint.h).
struct EntropyDecoderHead {
    void (*startPass)(j_decompress_ptr);
    boolean (*decodeMcu)(j_decompress_ptr, JBLOCKROW *);
};
struct MarkerReaderHead {
    void (*reset)(j_decompress_ptr);
    int (*readMarkers)(j_decompress_ptr);
    jpeg_marker_parser_method readRestartMarker;
};

// A block's coefficients in the order they are coded.
constexpr int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr int kLook = JpegHuffmanTable::kLook;

} // namespace

struct JpegHuffmanDecoder::State {
    std::unique_ptr<JpegHuffmanTable> tables[8]; // DC 0-3, AC 0-3, those the scan uses
    struct Block {
        const JpegHuffmanTable *dc, *ac;
        int component;     // in the scan
        bool keepDc, keepAc; // see install()
    } blocks[D_MAX_BLOCKS_IN_MCU];
    int blockCount = 0;
    int lastDc[MAX_COMPS_IN_SCAN] = {};
    unsigned restartsToGo = 0;
    // The coded data's next bits, from the top; once a marker is met, zeros (`zeros` of them held).
    uint64_t bits = 0;
    int count = 0;
    int zeros = 0;
    bool gaveUp = false;
};

namespace {

using State = JpegHuffmanDecoder::State;

[[noreturn]] void giveUp(j_decompress_ptr cinfo, State *s)
{
    s->gaveUp = true;
    ERREXIT(cinfo, JERR_BAD_HUFF_TABLE);
    __builtin_unreachable();
}

// Bits from the source until more than 56 are held: whole bytes at once up to the next 0xFF, a
// stuffed zero byte dropped, and zeros while a marker is met and not yet read, as libjpeg gives
// them (after a restart whose marker is missing, too).
void refill(j_decompress_ptr cinfo, State *s, uint64_t &bits, int &count)
{
    jpeg_source_mgr *src = cinfo->src;
    while (count <= 56) {
        if (cinfo->unread_marker == 0 && src->bytes_in_buffer >= 8) {
            uint64_t word;
            std::memcpy(&word, src->next_input_byte, 8);
            const uint64_t inverted = ~word;
            const uint64_t ff = (inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL;
            int take = (64 - count) / 8;
            if (ff)
                take = std::min(take, __builtin_ctzll(ff) / 8); // bytes before the first 0xFF
            if (take > 0) {
                word = __builtin_bswap64(word);
                bits |= (word >> (64 - 8 * take)) << (64 - 8 * take - count);
                count += 8 * take;
                src->next_input_byte += take;
                src->bytes_in_buffer -= size_t(take);
                continue;
            }
        }
        const auto next = [&]() -> int {
            if (src->bytes_in_buffer == 0 && !(*src->fill_input_buffer)(cinfo))
                giveUp(cinfo, s); // a suspending source
            --src->bytes_in_buffer;
            return *src->next_input_byte++;
        };
        uint64_t byte = 0;
        if (cinfo->unread_marker == 0) {
            byte = uint64_t(next());
            if (byte == 0xFF) {
                int code;
                do
                    code = next();
                while (code == 0xFF);
                if (code != 0) {
                    cinfo->unread_marker = code;
                    byte = 0;
                }
            }
        }
        if (cinfo->unread_marker != 0)
            s->zeros += 8;
        bits |= byte << (56 - count);
        count += 8;
    }
}

// A code whose value's bits the look-up does not hold.
int slowDecode(const JpegHuffmanTable &t, uint64_t &bits, int &count)
{
    int length = 0;
    const int value = t.decode(uint32_t(bits >> 48), &length);
    if (value >= 0) {
        bits <<= length;
        count -= length;
    }
    return value;
}

int takeValue(int size, uint64_t &bits, int &count)
{
    if (size == 0)
        return 0;
    const int raw = int(bits >> (64 - size));
    bits <<= size;
    count -= size;
    return JpegHuffmanTable::extend(raw, size);
}

extern "C" boolean decodeMcu(j_decompress_ptr cinfo, JBLOCKROW *mcu)
{
    auto *s = static_cast<State *>(cinfo->client_data);
    if (cinfo->blocks_in_MCU != s->blockCount) // another scan than the one installed for
        giveUp(cinfo, s);
    if (cinfo->restart_interval) {
        if (s->restartsToGo == 0) {
            // The bits left before the marker are its padding.
            s->bits = 0;
            s->count = 0;
            s->zeros = 0;
            if (!(*reinterpret_cast<MarkerReaderHead *>(cinfo->marker)->readRestartMarker)(cinfo))
                giveUp(cinfo, s);
            std::fill(std::begin(s->lastDc), std::end(s->lastDc), 0);
            s->restartsToGo = cinfo->restart_interval;
        }
        --s->restartsToGo;
    }
    uint64_t bits = s->bits;
    int count = s->count;
    for (int b = 0; b < s->blockCount; ++b) {
        const State::Block &block = s->blocks[b];
        JCOEF *out = mcu ? mcu[b][0] : nullptr; // none when libjpeg skips the rows
        if (count < 32)
            refill(cinfo, s, bits, count);
        int difference = 0;
        const JpegHuffmanTable::Coded dc = block.dc->coded[bits >> (64 - kLook)];
        if (dc.bits) {
            difference = dc.value;
            bits <<= dc.bits;
            count -= dc.bits;
        } else {
            const int size = slowDecode(*block.dc, bits, count);
            if (size < 0)
                giveUp(cinfo, s);
            if (count < 16)
                refill(cinfo, s, bits, count);
            difference = takeValue(size, bits, count);
        }
        int &last = s->lastDc[block.component];
        last += difference;
        if (last > 32767 || last < -32768) // what a coefficient cannot hold: a damaged file's
            giveUp(cinfo, s);
        if (out && block.keepDc)
            out[0] = JCOEF(last);

        const JpegHuffmanTable &ac = *block.ac;
        if (!out || !block.keepAc) {
            // Passed: as libjpeg reads them, a value after some zeros, 16 zeros, or the end.
            for (int k = 1; k < 64;) {
                if (count < 32)
                    refill(cinfo, s, bits, count);
                const JpegHuffmanTable::Run &run = ac.runs[bits >> (64 - JpegHuffmanTable::kRun)];
                if (run.bits && k + run.before < 64) {
                    bits <<= run.bits;
                    count -= run.bits;
                    if (run.ends)
                        break;
                    k += run.passed;
                    continue;
                }
                const int symbol = slowDecode(ac, bits, count);
                if (symbol < 0)
                    giveUp(cinfo, s);
                const int zeros = symbol >> 4, size = symbol & 15;
                if (size == 0 && zeros != 15)
                    break;
                if (count < 16)
                    refill(cinfo, s, bits, count);
                takeValue(size, bits, count);
                k += size ? zeros + 1 : 16;
            }
            continue;
        }
        for (int k = 1; k < 64;) {
            if (count < 32)
                refill(cinfo, s, bits, count);
            // 32 bits hold three codes with their values from the look-up.
            for (int i = 0; i < 3; ++i) {
                const JpegHuffmanTable::Coded c = ac.coded[bits >> (64 - kLook)];
                if (!c.bits)
                    goto slow;
                bits <<= c.bits;
                count -= c.bits;
                if (c.zeros == JpegHuffmanTable::kEndOfBlock)
                    goto endOfBlock;
                if (c.value == 0) {
                    k += 16; // sixteen zeros
                } else {
                    k += c.zeros;
                    if (k > 63)
                        giveUp(cinfo, s);
                    out[kZigzag[k]] = c.value;
                    ++k;
                }
                if (k > 63)
                    goto endOfBlock;
            }
            continue;
        slow:
            if (count < 32)
                refill(cinfo, s, bits, count);
            {
                const int symbol = slowDecode(ac, bits, count);
                if (symbol < 0)
                    giveUp(cinfo, s);
                const int zeros = symbol >> 4, size = symbol & 15;
                if (size == 0) {
                    if (zeros != 15)
                        break;
                    k += 16;
                    continue;
                }
                k += zeros;
                if (k > 63)
                    giveUp(cinfo, s);
                out[kZigzag[k]] = JCOEF(takeValue(size, bits, count));
                ++k;
            }
        }
    endOfBlock:;
    }
    s->bits = bits;
    s->count = count;
    if (count < s->zeros) // bits read past the data's end, which libjpeg warns of and fills
        giveUp(cinfo, s);
    return TRUE;
}

} // namespace

JpegHuffmanDecoder::JpegHuffmanDecoder() = default;
JpegHuffmanDecoder::~JpegHuffmanDecoder() = default;

bool JpegHuffmanDecoder::gaveUp() const
{
    return m_state && m_state->gaveUp;
}

bool JpegHuffmanDecoder::install(j_decompress_ptr cinfo)
{
#ifndef LIBJPEG_TURBO_VERSION_NUMBER
    return false; // the module layout is only known for libjpeg-turbo's
#endif
    if (cinfo->progressive_mode || cinfo->arith_code || cinfo->data_precision != 8 ||
        cinfo->comps_in_scan != cinfo->num_components || cinfo->blocks_in_MCU > D_MAX_BLOCKS_IN_MCU ||
        !cinfo->entropy || !cinfo->marker || cinfo->unread_marker != 0)
        return false;
    // As libjpeg keeps them: none of a component not output, and no AC coefficients at an eighth.
    const auto keepsAc = [](const jpeg_component_info *component) {
        return component->component_needed && component->DCT_scaled_size > 1;
    };
    auto state = std::make_unique<State>();
    for (int c = 0; c < cinfo->comps_in_scan; ++c) {
        const jpeg_component_info *component = cinfo->cur_comp_info[c];
        for (const bool ac : {false, true}) {
            const int number = ac ? component->ac_tbl_no : component->dc_tbl_no;
            const JHUFF_TBL *stated = ac ? cinfo->ac_huff_tbl_ptrs[number] : cinfo->dc_huff_tbl_ptrs[number];
            std::unique_ptr<JpegHuffmanTable> &table = state->tables[(ac ? 4 : 0) + number];
            if (table)
                continue;
            if (!stated)
                return false;
            table = std::make_unique<JpegHuffmanTable>();
            if (!table->build(stated->bits + 1, stated->huffval))
                return false;
            table->buildCoded(ac);
        }
        // The runs of passed coefficients, only where some are (they take a while to build,
        // which a small picture would notice).
        JpegHuffmanTable &ac = *state->tables[4 + component->ac_tbl_no];
        if (!keepsAc(component) && !ac.runsBuilt) {
            ac.buildRuns();
            ac.runsBuilt = true;
        }
    }
    state->blockCount = cinfo->blocks_in_MCU;
    for (int b = 0; b < state->blockCount; ++b) {
        const int c = cinfo->MCU_membership[b];
        const jpeg_component_info *component = cinfo->cur_comp_info[c];
        State::Block &block = state->blocks[b];
        block.dc = state->tables[component->dc_tbl_no].get();
        block.ac = state->tables[4 + component->ac_tbl_no].get();
        block.component = c;
        block.keepDc = component->component_needed;
        block.keepAc = keepsAc(component);
    }
    state->restartsToGo = cinfo->restart_interval;
    m_state = std::move(state);
    cinfo->client_data = m_state.get();
    reinterpret_cast<EntropyDecoderHead *>(cinfo->entropy)->decodeMcu = decodeMcu;
    return true;
}
