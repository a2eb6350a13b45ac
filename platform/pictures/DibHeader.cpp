#include "platform/pictures/DibHeader.h"

namespace platform {
namespace {

const QString kBadHeader = QStringLiteral("ビットマップの情報ヘッダーが壊れています。");

// The default logical palette of the window system: what 16-bit colour
// indices in a metafile bitmap refer to when the metafile sets no palette.
constexpr QRgb kDefaultPalette[20] = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080,
    0xffc0c0c0, 0xffc0dcc0, 0xffa6caf0, 0xfffffbf0, 0xffa0a0a4, 0xff808080, 0xffff0000,
    0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

}  // namespace

QString parseDibHeader(LittleEndian info, DibHeader& h, bool paletteIndices) {
    if (!info.has(0, 4)) return kBadHeader;
    const uint32_t size = info.u32(0);
    if (size < 12 || !info.has(0, size)) return kBadHeader;

    bool os2v2 = false;
    if (size == 12) {  // core header: 16-bit sizes, 3-byte colour entries
        h.width = info.u16(4);
        h.height = info.u16(6);
        h.bitCount = info.u16(10);
        h.compression = DibRgb;
        h.tableEntrySize = 3;
    } else if (size >= 16) {
        os2v2 = size <= 64 && size != 40 && size != 52 && size != 56;
        const qint64 height = info.s32(8);
        h.width = info.s32(4);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bitCount = info.u16(14);
        h.compression = size >= 20 ? info.u32(16) : DibRgb;
        h.tableEntrySize = 4;
    } else {
        return kBadHeader;
    }
    if (os2v2 && (h.compression == 3 || h.compression == 4))
        return QStringLiteral("この圧縮形式のビットマップには対応していません（OS/2 圧縮 %1）。")
            .arg(h.compression);

    switch (h.bitCount) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return QStringLiteral("このビットマップの色数には対応していません（%1 ビット）。")
                .arg(h.bitCount);
    }
    switch (h.compression) {
        case DibRgb:
            break;
        case DibRle8:
            if (h.bitCount != 8) return kBadHeader;
            break;
        case DibRle4:
            if (h.bitCount != 4) return kBadHeader;
            break;
        case DibBitfields:
        case DibAlphaBitfields:
            if (h.bitCount != 16 && h.bitCount != 32) return kBadHeader;
            break;
        default:
            return QStringLiteral("この圧縮形式のビットマップには対応していません（形式 %1）。")
                .arg(h.compression);
    }

    size_t end = size;
    if (h.compression == DibBitfields || h.compression == DibAlphaBitfields) {
        // The 40-byte header keeps its masks after itself; V2 and later inside.
        const size_t maskAt = 40;
        if (size == 40) end += h.compression == DibAlphaBitfields ? 16 : 12;
        if (!info.has(maskAt, 12)) return kBadHeader;
        for (int i = 0; i < 3; ++i) h.masks[i] = info.u32(maskAt + 4 * size_t(i));
    } else if (h.bitCount == 16) {
        h.masks[0] = 0x7c00, h.masks[1] = 0x03e0, h.masks[2] = 0x001f;
    } else if (h.bitCount == 32) {
        h.masks[0] = 0xff0000, h.masks[1] = 0x00ff00, h.masks[2] = 0x0000ff;
    }

    const uint32_t used = size >= 36 ? info.u32(32) : 0;
    if (h.bitCount <= 8)
        h.tableEntries =
            (used == 0 || used > (1u << h.bitCount)) ? (size_t(1) << h.bitCount) : used;
    else
        h.tableEntries = used <= 256 ? used : 256;  // an optional table for palette displays
    if (paletteIndices) h.tableEntrySize = 2;
    h.tableOffset = end;
    h.pixelOffset = end + h.tableEntries * h.tableEntrySize;
    return QString();
}

QVector<QRgb> readColourTable(LittleEndian info, const DibHeader& h) {
    if (h.bitCount > 8) return {};
    QVector<QRgb> table(int(size_t(1) << h.bitCount), qRgb(0, 0, 0));
    const size_t entrySize = h.tableEntrySize;
    const bool paletteIndices = entrySize == 2;
    for (size_t i = 0; i < h.tableEntries && i < size_t(table.size()); ++i) {
        const size_t at = h.tableOffset + i * entrySize;
        if (!info.has(at, entrySize)) break;
        if (paletteIndices) {
            const uint16_t index = info.u16(at);
            table[int(i)] = index < 20 ? kDefaultPalette[index] : qRgb(0, 0, 0);
        } else {
            table[int(i)] = qRgb(info.u8(at + 2), info.u8(at + 1), info.u8(at));
        }
    }
    return table;
}

}  // namespace platform
