#include "editor/StretchPicture.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "editor/Canvas.h"

namespace editor {
namespace {

using Pixel = quint32;

constexpr qint64 kMaxPictureBytes = qint64(1) << 30;

// For each destination index, the first source index it takes; the span
// of destination d is [starts[d], starts[d + 1]) but never less than the
// index it starts at. When enlarging, a span may be empty and so just repeats
// its start; when shrinking, spans hold the several indexes that get merged.
std::vector<int> spanStarts(int source, int target) {
    std::vector<int> starts(size_t(target) + 1);
    for (int d = 0; d <= target; ++d) starts[size_t(d)] = int(qint64(d) * source / target);
    return starts;
}

// Merges one source row horizontally into `out` (target width).
void mergeRow(const Pixel* s, Pixel* out, const std::vector<int>& xs, int targetWidth) {
    for (int d = 0; d < targetWidth; ++d) {
        const int a = xs[size_t(d)], b = xs[size_t(d) + 1];
        Pixel v = s[a];
        for (int x = a + 1; x < b; ++x) v &= s[x];
        out[d] = v;
    }
}

}  // namespace

StretchResult stretchPicture(const QImage& source, QSize target) {
    StretchResult result;
    if (target.width() <= 0 || target.height() <= 0) return result;

    // Refuse sizes no postcard picture needs before asking for the memory:
    // where the system promises memory lazily, a huge picture would only fail
    // later, when its pixels are written, and take the program down.
    const bool tooLarge = qint64(target.width()) * target.height() * 4 > kMaxPictureBytes;
    QImage dst = tooLarge ? QImage() : QImage(target, QImage::Format_RGB32);
    if (dst.isNull()) {
        result.ok = false;
        result.error = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return result;
    }
    if (source.isNull() || source.width() <= 0 || source.height() <= 0) {
        dst.fill(Qt::white);
        result.picture = dst;
        return result;
    }
    QImage converted = source;
    makeRgb32(converted);
    const QImage& src = converted;  // const: reading must not copy shared pixels

    const int tw = target.width(), th = target.height();
    const std::vector<int> xs = spanStarts(src.width(), tw);
    const std::vector<int> ys = spanStarts(src.height(), th);
    std::vector<Pixel> merged(static_cast<size_t>(tw));
    for (int d = 0; d < th; ++d) {
        Pixel* out = reinterpret_cast<Pixel*>(dst.scanLine(d));
        const int a = ys[size_t(d)], b = ys[size_t(d) + 1];
        mergeRow(reinterpret_cast<const Pixel*>(src.constScanLine(a)), out, xs, tw);
        for (int y = a + 1; y < b; ++y) {
            mergeRow(reinterpret_cast<const Pixel*>(src.constScanLine(y)), merged.data(), xs, tw);
            for (int x = 0; x < tw; ++x) out[x] &= merged[size_t(x)];
        }
    }
    result.picture = dst;
    return result;
}

}  // namespace editor
