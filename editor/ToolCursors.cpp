#include "editor/ToolCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace editor {
namespace {

constexpr int kSide = 32;

QPixmap blank() {
    QPixmap pm(kSide, kSide);
    pm.fill(Qt::transparent);
    return pm;
}

// A pencil lying from the top right down to its tip at the top left corner,
// where the pen's square begins.
QCursor penCursor() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(1, 1);
    p.rotate(45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xF0, 0xC0, 0x40));
    p.drawRect(QRectF(7, -3, 20, 6));
    p.setBrush(QColor(0xF0, 0xD8, 0xB0));
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(7, -3);
    tip.lineTo(7, 3);
    tip.closeSubpath();
    p.drawPath(tip);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(-0.5, -1, 2.5, 2));
    p.end();
    return QCursor(pm, 0, 0);
}

// A cross-hair with a short slanted stroke beside it.
QCursor lineCursor() {
    QPixmap pm = blank();
    QPainter p(&pm);
    const QPoint c(10, 10);
    for (const QColor& colour : {QColor(Qt::white), QColor(Qt::black)}) {
        const int w = colour == Qt::white ? 3 : 1;
        p.setPen(QPen(colour, w));
        p.drawLine(c.x() - 8, c.y(), c.x() - 2, c.y());
        p.drawLine(c.x() + 2, c.y(), c.x() + 8, c.y());
        p.drawLine(c.x(), c.y() - 8, c.x(), c.y() - 2);
        p.drawLine(c.x(), c.y() + 2, c.x(), c.y() + 8);
        p.drawLine(16, 28, 29, 15);
    }
    p.end();
    return QCursor(pm, c.x(), c.y());
}

// A tipped bucket pouring from its lip at the bottom left.
QCursor paintCursor() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(0xD0, 0xD0, 0xD8));
    p.translate(17, 13);
    p.rotate(-35);
    p.drawRect(QRectF(-8, -8, 16, 16));
    p.drawArc(QRectF(-6, -14, 12, 12), 0, 180 * 16);
    p.resetTransform();
    p.setBrush(QColor(0x20, 0x60, 0xE0));
    QPainterPath drip;
    drip.moveTo(2, 29);
    drip.cubicTo(2, 24, 6, 22, 9, 19);
    drip.lineTo(12, 22);
    drip.cubicTo(8, 24, 6, 27, 2, 29);
    p.drawPath(drip);
    p.end();
    return QCursor(pm, 2, 29);
}

// A dropper with its tip at the bottom left.
QCursor spoidCursor() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(1, 30);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, -2.5, 16, 5));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRoundedRect(QRectF(18, -4.5, 12, 9), 3, 3);
    p.drawLine(QPointF(0, 0), QPointF(2, 0));
    p.end();
    return QCursor(pm, 1, 30);
}

}  // namespace

QCursor toolCursor(DrawingTool tool) {
    switch (tool) {
        case DrawingTool::Pen:
            return penCursor();
        case DrawingTool::Line:
            return lineCursor();
        case DrawingTool::Fill:
            return paintCursor();
        case DrawingTool::Picker:
            return spoidCursor();
        case DrawingTool::Rect:
        case DrawingTool::Ellipse:
        case DrawingTool::RoundRect:
            break;
    }
    return QCursor(Qt::CrossCursor);
}

}  // namespace editor
