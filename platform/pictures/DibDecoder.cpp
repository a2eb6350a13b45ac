#include "platform/pictures/DibDecoder.h"

#include "platform/pictures/DibHeader.h"

namespace platform {
namespace {

const QString kTruncated = QStringLiteral("ビットマップのデータが途中で切れています。");

// One colour channel described by a bit mask, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!(m & 1)) m >>= 1, ++shift;
        while (m & 1) m >>= 1, ++bits;
    }
    int value(uint32_t pixel) const {
        if (!bits) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return int(v >> (bits - 8));
        return int(v * 255 / ((1u << bits) - 1));
    }
};

// Stored row r (0 = first in the file) is image row y.
inline int imageRow(const DibHeader& h, qint64 storedRow) {
    return int(h.topDown ? storedRow : h.height - 1 - storedRow);
}

void unpackIndexed(const DibHeader& h, const QVector<QRgb>& table, LittleEndian bits,
                   QImage& image) {
    const qint64 stride = h.stride();
    const int bpp = h.bitCount;
    const int perByte = 8 / bpp;
    const unsigned mask = (1u << bpp) - 1;
    for (qint64 r = 0; r < h.height; ++r) {
        const unsigned char* row = bits.data() + r * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(imageRow(h, r)));
        for (qint64 x = 0; x < h.width; ++x) {
            const unsigned byte = row[x / perByte];
            const int shift = 8 - bpp * int(x % perByte + 1);
            out[x] = table[int((byte >> shift) & mask)];
        }
    }
}

void unpackDirect(const DibHeader& h, LittleEndian bits, QImage& image) {
    const qint64 stride = h.stride();
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (qint64 r = 0; r < h.height; ++r) {
        const unsigned char* row = bits.data() + r * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(imageRow(h, r)));
        if (h.bitCount == 24) {
            for (qint64 x = 0; x < h.width; ++x, row += 3) out[x] = qRgb(row[2], row[1], row[0]);
        } else if (h.bitCount == 16) {
            for (qint64 x = 0; x < h.width; ++x, row += 2) {
                const uint32_t p = uint32_t(row[0]) | (uint32_t(row[1]) << 8);
                out[x] = qRgb(red.value(p), green.value(p), blue.value(p));
            }
        } else if (h.masks[0] == 0xff0000 && h.masks[1] == 0xff00 && h.masks[2] == 0xff) {
            for (qint64 x = 0; x < h.width; ++x, row += 4) out[x] = qRgb(row[2], row[1], row[0]);
        } else {
            for (qint64 x = 0; x < h.width; ++x, row += 4) {
                const uint32_t p = uint32_t(row[0]) | (uint32_t(row[1]) << 8) |
                                   (uint32_t(row[2]) << 16) | (uint32_t(row[3]) << 24);
                out[x] = qRgb(red.value(p), green.value(p), blue.value(p));
            }
        }
    }
}

// Run-length coded 4- and 8-bit bitmaps. Pixels the runs skip stay white.
// Every step consumes input, so the loop ends with the data at the latest.
void unpackRle(const DibHeader& h, const QVector<QRgb>& table, LittleEndian bits, QImage& image) {
    const bool four = h.compression == DibRle4;
    qint64 x = 0, r = 0;
    size_t at = 0;
    auto put = [&](unsigned index) {
        if (x < h.width && r < h.height)
            reinterpret_cast<QRgb*>(image.scanLine(imageRow(h, r)))[x] = table[int(index)];
        ++x;
    };
    while (bits.has(at, 2) && r < h.height) {
        const unsigned count = bits.u8(at), value = bits.u8(at + 1);
        at += 2;
        if (count > 0) {  // a run of `count` pixels
            for (unsigned i = 0; i < count; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0, ++r;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // move right and up (in stored order)
            if (!bits.has(at, 2)) break;
            x += bits.u8(at), r += bits.u8(at + 1);
            at += 2;
        } else {  // `value` literal pixels, padded to a 16-bit boundary
            const size_t bytes = four ? (value + 1) / 2 : value;
            if (!bits.has(at, bytes)) break;
            for (unsigned i = 0; i < value; ++i) {
                const unsigned byte = bits.u8(at + (four ? i / 2 : i));
                put(four ? ((i & 1) ? byte & 15 : byte >> 4) : byte);
            }
            at += (bytes + 1) & ~size_t(1);
        }
    }
}

}  // namespace

DecodedPicture decodeDib(LittleEndian info, LittleEndian bits, const PictureLimits& limits,
                         DibColourTable tableKind) {
    DibHeader h;
    const QString headerError =
        parseDibHeader(info, h, tableKind == DibColourTable::PaletteIndices);
    if (!headerError.isEmpty()) return pictureError(headerError);
    const QString sizeError = pictureSizeError(h.width, h.height, limits);
    if (!sizeError.isEmpty()) return pictureError(sizeError);

    const bool rle = h.compression == DibRle4 || h.compression == DibRle8;
    if (!rle) {
        // The last row may omit its padding; every other row is complete.
        const qint64 lastRow = (h.width * h.bitCount + 7) / 8;
        if (!bits.has(0, size_t(h.stride() * (h.height - 1) + lastRow)))
            return pictureError(kTruncated);
    }
    // Run-length data may skip pixels; those stay white.
    DecodedPicture picture =
        newPicture(h.width, h.height, limits, rle ? Background::White : Background::Unset);
    if (!picture.ok()) return picture;

    if (h.bitCount <= 8) {
        const QVector<QRgb> table = readColourTable(info, h);
        if (rle)
            unpackRle(h, table, bits, picture.image);
        else
            unpackIndexed(h, table, bits, picture.image);
    } else {
        unpackDirect(h, bits, picture.image);
    }
    return picture;
}

size_t packedDibPixelOffset(LittleEndian packed) {
    DibHeader h;
    return parseDibHeader(packed, h).isEmpty() ? h.pixelOffset : 0;
}

DecodedPicture decodePackedDib(LittleEndian packed, const PictureLimits& limits,
                               DibColourTable table) {
    DibHeader h;
    const QString headerError = parseDibHeader(packed, h, table == DibColourTable::PaletteIndices);
    if (!headerError.isEmpty()) return pictureError(headerError);
    if (!packed.has(h.pixelOffset, 0)) return pictureError(kTruncated);
    return decodeDib(packed, packed.from(h.pixelOffset), limits, table);
}

}  // namespace platform
