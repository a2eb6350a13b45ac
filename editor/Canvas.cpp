#include "editor/Canvas.h"

namespace editor {

QImage newPicture(QRgb colour) {
    QImage picture(kDefaultWidth, kDefaultHeight, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

void makeRgb32(QImage& picture) {
    if (!picture.isNull() && picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
}

QString canvasSizeText(QSize size, SizeUnit unit) {
    qint64 w = size.width(), h = size.height();
    if (unit == SizeUnit::Millimetres) {
        w = pixelsToMillimetres(w);
        h = pixelsToMillimetres(h);
    }
    return QStringLiteral("ヨコ %1\r\nタテ %2").arg(w).arg(h);
}

QString pointerStatusText(QPoint pos) {
    return QStringLiteral(" X %1  Y %2").arg(pos.x()).arg(pos.y());
}

QString pointerLabelText(QPoint pos) {
    return QStringLiteral(" X %1\r\n Y %2").arg(pos.x()).arg(pos.y());
}

}  // namespace editor
