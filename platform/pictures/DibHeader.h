#pragma once
// The parsed header of a device-independent bitmap, shared by the pixel
// unpackers. Internal to the bitmap decoder.

#include <QRgb>
#include <QString>
#include <QVector>

#include "platform/files/LittleEndian.h"

namespace platform {

enum DibCompression : uint32_t {
    DibRgb = 0,
    DibRle8 = 1,
    DibRle4 = 2,
    DibBitfields = 3,
    DibAlphaBitfields = 6
};

struct DibHeader {
    qint64 width = 0;
    qint64 height = 0;  // always positive; see topDown
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = DibRgb;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue for 16 and 32 bits
    size_t tableOffset = 0;         // colour table, from the header's start
    size_t tableEntries = 0;        // as declared (clrUsed or 2^bits)
    size_t tableEntrySize = 4;      // 3 for the core header, 2 for palette indices
    size_t pixelOffset = 0;         // where packed pixels begin

    // Bytes per stored row, padded to four bytes.
    qint64 stride() const { return ((width * bitCount + 31) / 32) * 4; }
};

// Reads the header at the start of `info`; empty string on success.
// `paletteIndices`: the colour table holds 16-bit palette indices.
QString parseDibHeader(LittleEndian info, DibHeader& header, bool paletteIndices = false);

// The colour table (at most 256 entries; what does not fit in `info` is black).
QVector<QRgb> readColourTable(LittleEndian info, const DibHeader& header);

}  // namespace platform
