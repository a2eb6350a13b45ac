#pragma once
// Text crosses every file boundary as CP932 (Shift-JIS with the NEC and IBM
// extensions). Inside the program it is QString; byte semantics (lengths,
// sort order) are computed on the CP932 form through these functions.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace platform {

struct SjisEncoded {
    QByteArray bytes;
    // Characters (as QString, one code point each) that have no CP932 form,
    // in order of appearance. They are replaced by '?' in `bytes`.
    QVector<QString> unmappable;
    bool ok() const { return unmappable.isEmpty(); }
};

namespace Sjis {

// Decodes CP932. Bytes that are not valid CP932 become U+FFFD; decoding never
// fails and never reads outside `bytes`.
QString decode(const QByteArray& bytes);
QString decode(const char* data, qsizetype size);

// Encodes to CP932, reporting every character that has no CP932 form.
SjisEncoded encode(const QString& text);

// The CP932 bytes of `text` with unmappable characters replaced by '?'.
QByteArray bytes(const QString& text);

// Length of the CP932 form in bytes.
int byteLength(const QString& text);

// Byte-wise comparison of the CP932 forms (unsigned bytes, shorter prefix first):
// negative, zero or positive.
int compare(const QString& a, const QString& b);

// True when the CP932 lead byte `b` starts a two-byte character.
inline bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// True when `b` can follow a lead byte as the second byte of a character.
inline bool isTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Length of the character at `p`: 2 for a lead byte followed by a trail byte
// before `end`, else 1. A lead byte before a delimiter stands alone.
inline int charLength(const char* p, const char* end) {
    return isLeadByte(static_cast<unsigned char>(p[0])) && p + 1 < end &&
                   isTrailByte(static_cast<unsigned char>(p[1]))
               ? 2
               : 1;
}

// True when `ch` (one code point) takes two bytes in CP932.
bool isDoubleByte(uint codePoint);

}  // namespace Sjis
}  // namespace platform
