#pragma once
// A JPEG file from our encoder carrying an EXIF orientation, as a phone
// writes one: an APP1 segment with one IFD entry right after the start of
// image, in either byte order.

#include <QByteArray>
#include <QImage>

#include "platform/pictures/JpegCodec.h"

namespace exiftest {

inline void put16(QByteArray& b, int v, bool big) {
    b.append(char(big ? v >> 8 : v & 0xff)).append(char(big ? v & 0xff : v >> 8));
}
inline void put32(QByteArray& b, int v, bool big) {
    put16(b, big ? v >> 16 : v & 0xffff, big);
    put16(b, big ? v & 0xffff : v >> 16, big);
}

// Our encoder's file with an APP1 segment holding one IFD entry, the
// orientation, right after the start of image.
inline QByteArray exifJpeg(const QImage& stored, int orientation, bool bigEndian = false) {
    QString error;
    QByteArray file = platform::encodeJpeg(stored, 95, &error);
    QByteArray tiff(bigEndian ? "MM\0*" : "II*\0", 4);
    put32(tiff, 8, bigEndian);
    put16(tiff, 1, bigEndian);            // one entry
    put16(tiff, 0x0112, bigEndian);       // orientation
    put16(tiff, 3, bigEndian);            // SHORT
    put32(tiff, 1, bigEndian);            // one value
    put16(tiff, orientation, bigEndian);  // value, padded to four bytes
    put16(tiff, 0, bigEndian);
    put32(tiff, 0, bigEndian);  // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    put16(segment, int(payload.size()) + 2, true);
    file.insert(2, segment + payload);
    return file;
}

}  // namespace exiftest
