#include "editor/EditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace editor {
namespace {

const QColor kInk(0x20, 0x20, 0x30);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kFolder(0xE8, 0xC0, 0x50);
const QColor kAccent(0x2F, 0x6D, 0xB5);
const QColor kStop(0xC0, 0x30, 0x30);

void arrowHead(QPainter& p, QPointF tip, qreal angleDegrees) {
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-4, -2.5);
    head.lineTo(-4, 2.5);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
    p.restore();
}

void mirrorPair(QPainter& p, bool vertical) {
    if (vertical) {
        p.translate(20, 0);
        p.rotate(90);
    }
    QPainterPath left, right;
    left.moveTo(9, 4);
    left.lineTo(9, 16);
    left.lineTo(2, 16);
    left.closeSubpath();
    right.moveTo(11, 4);
    right.lineTo(11, 16);
    right.lineTo(18, 16);
    right.closeSubpath();
    p.fillPath(left, kAccent);
    p.setBrush(Qt::NoBrush);
    p.drawPath(right);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(QPointF(10, 1), QPointF(10, 19));
}

// Each picture is drawn on a 20 by 20 grid.
void draw(QPainter& p, EditorIcon icon) {
    p.setPen(QPen(kInk, 1.2));
    switch (icon) {
        case EditorIcon::Open:
            p.setBrush(kFolder);
            p.drawPolygon(QPolygonF({{2, 5}, {7, 5}, {9, 7}, {17, 7}, {17, 16}, {2, 16}}));
            break;
        case EditorIcon::New:
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF({{4, 2}, {12, 2}, {16, 6}, {16, 18}, {4, 18}}));
            p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));
            break;
        case EditorIcon::Print:
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 2, 8, 6));
            p.setBrush(QColor(0xB0, 0xB0, 0xB8));
            p.drawRoundedRect(QRectF(2, 8, 16, 7), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 13, 8, 5));
            break;
        case EditorIcon::Save:
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(3, 3, 14, 14), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 3, 8, 5));
            p.drawRect(QRectF(5, 11, 10, 6));
            break;
        case EditorIcon::Close:
            p.setPen(QPen(kStop, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5, 5), QPointF(15, 15));
            p.drawLine(QPointF(15, 5), QPointF(5, 15));
            break;
        case EditorIcon::Rotate90:
            p.setPen(QPen(kAccent, 2));
            p.drawArc(QRectF(4, 4, 12, 12), 110 * 16, -290 * 16);
            arrowHead(p, QPointF(10.5, 4), 0);
            break;
        case EditorIcon::MirrorLeftRight:
            mirrorPair(p, false);
            break;
        case EditorIcon::MirrorTopBottom:
            mirrorPair(p, true);
            break;
        case EditorIcon::Undo:
            p.setPen(QPen(kAccent, 2));
            p.drawArc(QRectF(4, 5, 12, 11), 160 * 16, -250 * 16);
            arrowHead(p, QPointF(4.2, 9), 110);
            break;
        case EditorIcon::Pen:
            p.setBrush(QColor(0xF0, 0xC0, 0x40));
            p.drawPolygon(QPolygonF({{3, 17}, {4, 13}, {14, 3}, {17, 6}, {7, 16}}));
            p.drawLine(QPointF(4, 13), QPointF(7, 16));
            break;
        case EditorIcon::Line:
            p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, 17), QPointF(17, 3));
            break;
        case EditorIcon::Rect:
            p.setPen(QPen(kInk, 1.8));
            p.drawRect(QRectF(3, 5, 14, 10));
            break;
        case EditorIcon::Ellipse:
            p.setPen(QPen(kInk, 1.8));
            p.drawEllipse(QRectF(2, 5, 16, 10));
            break;
        case EditorIcon::RoundRect:
            p.setPen(QPen(kInk, 1.8));
            p.drawRoundedRect(QRectF(3, 5, 14, 10), 4, 4);
            break;
        case EditorIcon::Fill:
            p.setBrush(QColor(0xD0, 0xD0, 0xD8));
            p.drawPolygon(QPolygonF({{4, 8}, {10, 2}, {17, 9}, {11, 15}}));
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QRectF(14, 12, 4, 6));
            break;
        case EditorIcon::Picker:
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF({{2, 18}, {3, 14}, {11, 6}, {14, 9}, {6, 17}}));
            p.setBrush(kInk);
            p.drawEllipse(QRectF(11, 2, 7, 7));
            break;
        case EditorIcon::Size:
            p.setPen(QPen(kInk, 1, Qt::DotLine));
            p.drawRect(QRectF(2, 2, 16, 16));
            p.setPen(QPen(kAccent, 1.8));
            p.drawLine(QPointF(6, 14), QPointF(15, 5));
            arrowHead(p, QPointF(16, 4), -45);
            arrowHead(p, QPointF(4, 16), 135);
            break;
    }
}

QPixmap render(EditorIcon icon, int side) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 20.0, side / 20.0);
    draw(p, icon);
    return pm;
}

}  // namespace

QIcon editorIcon(EditorIcon icon) {
    QIcon result;
    for (int side : {16, 20, 32}) result.addPixmap(render(icon, side));
    return result;
}

}  // namespace editor
