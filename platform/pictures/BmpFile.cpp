#include "platform/pictures/BmpFile.h"

#include <QtEndian>

#include "platform/pictures/DibDecoder.h"

namespace platform {

DecodedPicture decodeBmp(const QByteArray& file, const PictureLimits& limits) {
    const LittleEndian bytes(reinterpret_cast<const unsigned char*>(file.constData()),
                             size_t(file.size()));
    if (bytes.size() < 2 || bytes.u8(0) != 'B' || bytes.u8(1) != 'M')
        return pictureError(QStringLiteral("ビットマップ ファイルではありません。"));
    if (!bytes.has(0, 14 + 12))
        return pictureError(QStringLiteral("ビットマップ ファイルが途中で切れています。"));

    const LittleEndian info = bytes.from(14);
    // Trust the pixel offset of the file header when it points past the info
    // header; some writers leave it 0, and then the pixels follow the table.
    const size_t declared = bytes.u32(10);
    const size_t packed = packedDibPixelOffset(info);
    const size_t pixels =
        (declared >= 14 + 12 && declared <= bytes.size()) ? declared : 14 + packed;
    return decodeDib(info, bytes.from(pixels), limits);
}

QByteArray encodeBmp(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const qint64 w = image.width(), h = image.height();
    const qint64 stride = (w * 3 + 3) & ~qint64(3);
    const qint64 pixelBytes = stride * h;
    const qint64 total = 14 + 40 + pixelBytes;
    if (image.isNull() || total > 0x7fffffff) return QByteArray();

    QByteArray out(qsizetype(total), '\0');
    auto* p = reinterpret_cast<uchar*>(out.data());
    p[0] = 'B', p[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), p + 2);
    qToLittleEndian<quint32>(14 + 40, p + 10);
    uchar* info = p + 14;
    qToLittleEndian<quint32>(40, info);
    qToLittleEndian<qint32>(qint32(w), info + 4);
    qToLittleEndian<qint32>(qint32(h), info + 8);  // positive: bottom-up
    qToLittleEndian<quint16>(1, info + 12);
    qToLittleEndian<quint16>(24, info + 14);
    qToLittleEndian<quint32>(quint32(pixelBytes), info + 20);
    // Compression, resolution and colour counts stay 0.

    uchar* rows = info + 40;
    for (qint64 y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(int(h - 1 - y)));
        uchar* o = rows + y * stride;
        for (qint64 x = 0; x < w; ++x, o += 3) {
            o[0] = uchar(qBlue(in[x]));
            o[1] = uchar(qGreen(in[x]));
            o[2] = uchar(qRed(in[x]));
        }
    }
    return out;
}

}  // namespace platform
