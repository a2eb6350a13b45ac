#include "editor/TransformPicture.h"

#include <algorithm>
#include <cstring>

#include "editor/Canvas.h"

namespace editor {
namespace {

using Pixel = quint32;

const Pixel* row(const QImage& img, int y) {
    return reinterpret_cast<const Pixel*>(img.constScanLine(y));
}
Pixel* row(QImage& img, int y) { return reinterpret_cast<Pixel*>(img.scanLine(y)); }

// Quarter turns write down destination columns, in bands of source columns
// so that the strided writes stay within a few cache lines.
constexpr int kBand = 16;

struct Target {
    Pixel* bits;
    qsizetype stride;  // in pixels
    Pixel* row(int y) const { return bits + y * stride; }
};

Target target(QImage& dst) {
    return {reinterpret_cast<Pixel*>(dst.bits()), dst.bytesPerLine() / qsizetype(sizeof(Pixel))};
}

// Destination (H - 1 - y, x) from source (x, y).
void rotate90(const QImage& src, QImage& dst) {
    const int w = src.width(), h = src.height();
    const Target d = target(dst);
    for (int x0 = 0; x0 < w; x0 += kBand) {
        const int x1 = std::min(w, x0 + kBand);
        for (int y = 0; y < h; ++y) {
            const Pixel* s = row(src, y);
            const int dx = h - 1 - y;
            for (int x = x0; x < x1; ++x) d.row(x)[dx] = s[x];
        }
    }
}

// Destination (y, W - 1 - x) from source (x, y).
void rotate270(const QImage& src, QImage& dst) {
    const int w = src.width(), h = src.height();
    const Target d = target(dst);
    for (int x0 = 0; x0 < w; x0 += kBand) {
        const int x1 = std::min(w, x0 + kBand);
        for (int y = 0; y < h; ++y) {
            const Pixel* s = row(src, y);
            for (int x = x0; x < x1; ++x) d.row(w - 1 - x)[y] = s[x];
        }
    }
}

void copyRow(const Pixel* s, Pixel* d, int w, bool reversed) {
    if (reversed)
        std::reverse_copy(s, s + w, d);
    else
        std::memcpy(d, s, size_t(w) * sizeof(Pixel));
}

}  // namespace

QImage transformPicture(const QImage& picture, TransformMode mode) {
    if (picture.isNull()) return QImage();
    QImage converted = picture;
    makeRgb32(converted);
    // Read through a const reference: a non-const scanLine() would copy the
    // shared pixels first.
    const QImage& src = converted;
    const int w = src.width(), h = src.height();
    const bool quarter = mode == TransformMode::Rotate90 || mode == TransformMode::Rotate270;
    QImage dst(quarter ? h : w, quarter ? w : h, QImage::Format_RGB32);
    if (dst.isNull()) return QImage();

    switch (mode) {
        case TransformMode::Rotate90:
            rotate90(src, dst);
            break;
        case TransformMode::Rotate270:
            rotate270(src, dst);
            break;
        case TransformMode::Rotate180:
            for (int y = 0; y < h; ++y) copyRow(row(src, y), row(dst, h - 1 - y), w, true);
            break;
        case TransformMode::MirrorLeftRight:
            for (int y = 0; y < h; ++y) copyRow(row(src, y), row(dst, y), w, true);
            break;
        case TransformMode::MirrorTopBottom:
            for (int y = 0; y < h; ++y) copyRow(row(src, y), row(dst, h - 1 - y), w, false);
            break;
    }
    return dst;
}

}  // namespace editor
