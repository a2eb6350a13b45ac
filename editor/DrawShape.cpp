#include "editor/DrawShape.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdlib>

#include "editor/Canvas.h"

namespace editor {
namespace {

using Pixel = quint32;

// One-pixel line from a to b without b, Bresenham's way.
void thinLine(QImage& mask, QPoint a, QPoint b) {
    const int dx = std::abs(b.x() - a.x()), sx = a.x() < b.x() ? 1 : -1;
    const int dy = -std::abs(b.y() - a.y()), sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    int x = a.x(), y = a.y();
    while (x != b.x() || y != b.y()) {
        if (mask.rect().contains(x, y)) mask.setPixel(x, y, 0xFFFFFFFFu);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The figure's path through pixel centres; boxes run from the smaller
// corner to the larger one minus one, as the right and bottom edges are
// outside the figure.
QPainterPath figurePath(ShapeKind kind, QPoint start, QPoint end) {
    QPainterPath path;
    if (kind == ShapeKind::Line) {
        path.moveTo(start);
        path.lineTo(end);
        return path;
    }
    const int left = std::min(start.x(), end.x()), right = std::max(start.x(), end.x());
    const int top = std::min(start.y(), end.y()), bottom = std::max(start.y(), end.y());
    const QRectF box(left, top, std::max(0, right - 1 - left), std::max(0, bottom - 1 - top));
    switch (kind) {
        case ShapeKind::Rect:
            path.addRect(box);
            break;
        case ShapeKind::Ellipse:
            path.addEllipse(box);
            break;
        case ShapeKind::RoundRect: {
            // The corner ellipse is half the figure's width and height (whole
            // pixels); its radii are half of that.
            const int cornerW = (right - left) / 2, cornerH = (bottom - top) / 2;
            path.addRoundedRect(box, cornerW / 2.0, cornerH / 2.0);
            break;
        }
        case ShapeKind::Line:
            break;
    }
    return path;
}

// Marks in `mask` (whose origin is `origin` in picture coordinates) every
// pixel the figure covers.
void paintMask(QImage& mask, QPoint origin, ShapeKind kind, QPoint start, QPoint end,
               int penWidth) {
    if (kind == ShapeKind::Line && penWidth <= 1) {
        thinLine(mask, start - origin, end - origin);
        return;
    }
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Shift by half a pixel so that integer points are pixel centres and a
    // wide pen spreads evenly to both sides.
    p.translate(QPointF(-origin) + QPointF(0.5, 0.5));
    QPen pen(Qt::white, std::max(1, penWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(figurePath(kind, start, end));
}

}  // namespace

void drawShape(QImage& picture, ShapeKind kind, QPoint start, QPoint end, int penWidth, QRgb colour,
               RasterOp op) {
    if (start == end || picture.isNull()) return;
    makeRgb32(picture);

    // The mask covers the figure's box grown by the pen, cut to the picture.
    const int grow = std::max(1, penWidth) + 2;
    const QRect area = QRect(start, end)
                           .normalized()
                           .adjusted(-grow, -grow, grow, grow)
                           .intersected(picture.rect());
    if (area.isEmpty()) return;
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    paintMask(mask, area.topLeft(), kind, start, end, penWidth);

    const Pixel pen = Pixel(colour) | 0xFF000000u;
    for (int y = 0; y < area.height(); ++y) {
        const Pixel* m = reinterpret_cast<const Pixel*>(mask.constScanLine(y));
        Pixel* line = reinterpret_cast<Pixel*>(picture.scanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            if (qAlpha(m[x]) == 0) continue;
            line[x] = op == RasterOp::Copy ? pen : (~(pen ^ line[x])) | 0xFF000000u;
        }
    }
}

}  // namespace editor
