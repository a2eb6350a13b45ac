#include "message/MessageSideOutput.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <cmath>

#include "platform/page/PagePlayer.h"

namespace message {

QRect messagePreviewRect(int boxWidth) {
    if (boxWidth <= 0) return QRect();
    // 1.48 exactly, in whole numbers, so no rounding of the product costs a pixel.
    const qint64 h = qint64(boxWidth) * 148 / 100;
    return QRect(0, 0, boxWidth, int(h));
}

void showMessagePreview(QPainter& painter, QSize boxSize, const platform::PagePicture& picture) {
    if (!picture.isValid()) return;
    painter.fillRect(QRect(QPoint(0, 0), boxSize),
                     QGuiApplication::palette().color(QPalette::Button));
    const QRect target = messagePreviewRect(boxSize.width());
    if (target.isEmpty()) return;
    platform::PagePlayer::playStretched(painter, picture, target);
}

QSize cardDeviceSize(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device) return QSize();
    // 254 tenths of a millimetre to the inch.
    return QSize(int(std::lround(kCardWidth * device->logicalDpiX() / 254.0)),
                 int(std::lround(kCardHeight * device->logicalDpiY() / 254.0)));
}

void printMessageSide(QPainter& printerPainter, const MessageSidePage& page) {
    if (!page.picture.isValid()) return;
    const QSize card = cardDeviceSize(printerPainter);
    if (card.isEmpty()) return;
    printerPainter.save();
    printerPainter.setClipRect(QRect(QPoint(0, 0), card), Qt::IntersectClip);
    // The offset is in 1/360 inch, whatever the printer's resolution.
    const QPaintDevice* device = printerPainter.device();
    const QPointF offset(page.printOffset.x() * device->logicalDpiX() / 360.0,
                         page.printOffset.y() * device->logicalDpiY() / 360.0);
    platform::PagePlayer::playAtNaturalSize(printerPainter, page.picture, offset);
    printerPainter.restore();
}

}  // namespace message
