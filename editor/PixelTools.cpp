#include "editor/PixelTools.h"

#include <algorithm>
#include <vector>

#include "editor/Canvas.h"

namespace editor {
namespace {

using Pixel = quint32;

// Pictures are opaque RGB32; compare and store the colour with its alpha set.
Pixel opaque(QRgb c) { return Pixel(c) | 0xFF000000u; }

}  // namespace

void penSquare(QImage& picture, QPoint at, int width, QRgb colour) {
    makeRgb32(picture);
    const QRect square = QRect(at, QSize(width, width)).intersected(picture.rect());
    if (square.isEmpty()) return;
    const Pixel c = opaque(colour);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        Pixel* line = reinterpret_cast<Pixel*>(picture.scanLine(y));
        std::fill(line + square.left(), line + square.right() + 1, c);
    }
}

int floodFill(QImage& picture, QPoint seed, QRgb colour) {
    if (!picture.rect().contains(seed)) return 0;
    makeRgb32(picture);
    const int w = picture.width(), h = picture.height();
    const Pixel target = reinterpret_cast<const Pixel*>(picture.constScanLine(seed.y()))[seed.x()];
    const Pixel fill = opaque(colour);
    if (target == fill) return 0;  // before bits(): a shared picture is not copied for nothing
    const qsizetype stride = picture.bytesPerLine() / qsizetype(sizeof(Pixel));
    Pixel* bits = reinterpret_cast<Pixel*>(picture.bits());

    // Span filling: fill a whole run of the row, then queue one seed per run
    // of target pixels in the rows above and below it.
    int changed = 0;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        Pixel* line = bits + p.y() * stride;
        if (line[p.x()] != target) continue;
        int left = p.x(), right = p.x();
        while (left > 0 && line[left - 1] == target) --left;
        while (right + 1 < w && line[right + 1] == target) ++right;
        std::fill(line + left, line + right + 1, fill);
        changed += right - left + 1;
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h) continue;
            const Pixel* next = bits + ny * stride;
            for (int x = left; x <= right; ++x) {
                if (next[x] != target) continue;
                stack.push_back(QPoint(x, ny));
                while (x + 1 <= right && next[x + 1] == target) ++x;
            }
        }
    }
    return changed;
}

std::optional<QRgb> pickColour(const QImage& picture, QPoint at) {
    if (!picture.rect().contains(at)) return std::nullopt;
    return picture.pixel(at) | 0xFF000000u;
}

}  // namespace editor
