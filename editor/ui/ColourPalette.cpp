#include "editor/ui/ColourPalette.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {
namespace {

// The sixteen colours of the standard system palette, in RGB.
constexpr QRgb kColours[ColourPalette::kCells] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

constexpr int kRows = ColourPalette::kCells / ColourPalette::kColumns;

}  // namespace

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorGrid1"));
    setFixedSize(84, 160);
}

QRgb ColourPalette::cellColour(int index) {
    return index >= 0 && index < kCells ? kColours[index] : kColours[0];
}

QString ColourPalette::markOf(int index) const {
    if (index == foreground_ && index == background_) return QStringLiteral("FB");
    if (index == foreground_) return QStringLiteral("FG");
    if (index == background_) return QStringLiteral("BG");
    return QString();
}

QRect ColourPalette::cellRect(int index) const {
    const int w = width() / kColumns, h = height() / kRows;
    return QRect((index % kColumns) * w, (index / kColumns) * h, w, h);
}

int ColourPalette::cellAt(QPoint pos) const {
    if (!rect().contains(pos)) return -1;
    const int col = pos.x() / (width() / kColumns), row = pos.y() / (height() / kRows);
    if (col >= kColumns || row >= kRows) return -1;
    return row * kColumns + col;
}

void ColourPalette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < kCells; ++i) {
        const QRect r = cellRect(i);
        p.fillRect(r, QColor(kColours[i]));
        p.setPen(Qt::gray);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString mark = markOf(i);
        if (mark.isEmpty()) continue;
        // The mark in the cell's opposite shade, so it shows on any colour.
        p.setPen(qGray(kColours[i]) < 128 ? Qt::white : Qt::black);
        p.drawRect(r.adjusted(1, 1, -2, -2));
        p.drawText(r, Qt::AlignCenter, mark);
    }
}

void ColourPalette::follow(Qt::MouseButtons held, QPoint pos) {
    const int cell = cellAt(pos);
    if (cell < 0) return;
    if (held & Qt::LeftButton) foreground_ = cell;
    if (held & Qt::RightButton) background_ = cell;
    update();
}

void ColourPalette::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    follow(event->button(), event->position().toPoint());
}

void ColourPalette::mouseMoveEvent(QMouseEvent* event) {
    follow(event->buttons(), event->position().toPoint());
}

void ColourPalette::mouseReleaseEvent(QMouseEvent* event) {
    follow(event->button(), event->position().toPoint());
    emit released(event->button());
}

}  // namespace editor
