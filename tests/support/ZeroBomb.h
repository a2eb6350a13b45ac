#pragma once
// A postal dictionary file that inflates far beyond what its header claims,
// made without ever holding what it inflates to.

#include <QByteArray>
#include <QtEndian>

#include "postal/PostalFileLayout.h"

namespace tests {

// A dictionary file whose body claims `claim` bytes but inflates to one
// zero and then `copies` × 258 more: one fixed-Huffman block of copies at
// distance 1, 13 bits for every 258 bytes.
inline QByteArray postalZeroBomb(quint32 claim, quint32 copies) {
    QByteArray out("PELPOST", 8);
    char version[4];
    qToLittleEndian<quint32>(book::postalfile::kVersion, version);
    out.append(version, 4);
    out.append(char(claim >> 24))
        .append(char(claim >> 16))
        .append(char(claim >> 8))
        .append(char(claim));
    out.append("\x78\x01", 2);
    quint32 acc = 0;
    int bits = 0;
    auto code = [&](quint32 value, int n) {  // Huffman codes go most significant bit first
        for (int i = n - 1; i >= 0; --i) {
            acc |= ((value >> i) & 1u) << bits;
            if (++bits == 8) {
                out.append(char(acc));
                acc = 0;
                bits = 0;
            }
        }
    };
    code(0b110, 3);  // last block, fixed codes (the two bits read least significant first)
    code(0x30, 8);   // the literal 0
    for (quint32 i = 0; i < copies; ++i) {
        code(0xC5, 8);  // length 258
        code(0, 5);     // distance 1
    }
    code(0, 7);  // end of block
    if (bits) out.append(char(acc));
    const quint64 size = 1 + quint64(copies) * 258;
    char adler[4];
    qToBigEndian<quint32>(quint32((size % 65521) << 16 | 1), adler);
    return out.append(adler, 4);
}

}  // namespace tests
