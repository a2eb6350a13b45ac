// Bitmaps and raster operations of the metafile player.

#include "platform/metafile/GdiCanvas.h"

namespace platform {
namespace {

bool keepsAxes(const QTransform& t) { return t.m12() == 0 && t.m21() == 0; }

QPainter::CompositionMode sourceMode(uint32_t rop, bool* skip) {
    *skip = false;
    switch ((rop >> 16) & 0xff) {
        case 0x88:
            return QPainter::RasterOp_SourceAndDestination;
        case 0xEE:
            return QPainter::RasterOp_SourceOrDestination;
        case 0x66:
            return QPainter::RasterOp_SourceXorDestination;
        case 0x33:
            return QPainter::RasterOp_NotSource;
        case 0x44:
            return QPainter::RasterOp_SourceAndNotDestination;
        case 0xBB:
            return QPainter::RasterOp_NotSourceOrDestination;
        case 0x11:
            return QPainter::RasterOp_NotSourceAndNotDestination;
        case 0xAA:
            *skip = true;
            return QPainter::CompositionMode_SourceOver;  // destination kept
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

void GdiCanvas::bitmap(const QRectF& dest, const QImage& image, const QRectF& source,
                       uint32_t rop) {
    if (recording_ || image.isNull() || source.width() == 0 || source.height() == 0) return;
    if (dest.width() == 0 || dest.height() == 0) return;
    bool skip = false;
    const QPainter::CompositionMode mode = sourceMode(rop, &skip);
    if (skip) return;
    if (!spendOnPixels(logicalToOutput().mapRect(dest))) return;
    applyClip();
    // Source pixels → destination rectangle (mirrored when its sides are
    // negative) → output.
    const QTransform toDest =
        QTransform::fromTranslate(-source.x(), -source.y()) *
        QTransform::fromScale(dest.width() / source.width(), dest.height() / source.height()) *
        QTransform::fromTranslate(dest.x(), dest.y());
    painter_.setTransform(toDest * logicalToOutput());
    painter_.setCompositionMode(mode);
    painter_.drawImage(source, image, source);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.resetTransform();
}

void GdiCanvas::patternBlit(const QRectF& dest, uint32_t rop) {
    if (recording_) return;
    QBrush brush = qtBrush();
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch ((rop >> 16) & 0xff) {
        case 0x00:
            brush = QBrush(Qt::black);
            break;
        case 0xFF:
            brush = QBrush(Qt::white);
            break;
        case 0x55:
            brush = QBrush(Qt::white), mode = QPainter::RasterOp_NotDestination;
            break;
        case 0x5A:
            mode = QPainter::RasterOp_SourceXorDestination;
            break;
        case 0xAA:
            return;
        default:
            break;  // pattern copy
    }
    const QTransform t = logicalToOutput();
    if (!spendOnPixels(t.mapRect(dest))) return;
    applyClip();
    QPainterPath path;
    if (keepsAxes(t)) {
        path.addRect(t.mapRect(dest.normalized()));
    } else {
        QPainterPath logical;
        logical.addRect(dest.normalized());
        path = t.map(logical);
    }
    painter_.setCompositionMode(mode);
    painter_.fillPath(path, brush);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace platform
