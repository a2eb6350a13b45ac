#include "render/AddressSideOutput.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "platform/page/PagePlayer.h"
#include "render/MediaKind.h"

namespace render {

QRect previewRect(int mediaKind, int boxWidth) {
    const std::optional<MediaKind> kind = mediaKindFromIndex(mediaKind);
    if (!kind || boxWidth <= 0) return QRect();
    const MediaKindInfo& info = mediaKindInfo(*kind);
    const qint64 w = qint64(boxWidth) * info.previewWidthThousandths / 1000;
    const qint64 h = qint64(boxWidth) * info.previewHeightThousandths / 1000;
    return QRect(0, 0, int(w), int(h));
}

void showAddressPreview(QPainter& painter, QSize boxSize, int mediaKind,
                        const platform::PagePicture& picture) {
    if (!picture.isValid()) return;
    const QRect target = previewRect(mediaKind, boxSize.width());
    if (target.isEmpty()) return;
    painter.fillRect(QRect(QPoint(0, 0), boxSize),
                     QGuiApplication::palette().color(QPalette::Button));
    platform::PagePlayer::playStretched(painter, picture, target);
}

void printAddressSide(QPainter& printerPainter, const platform::PagePicture& picture) {
    if (!picture.isValid()) return;
    platform::PagePlayer::playAtNaturalSize(printerPainter, picture, QPointF(0, 0));
}

}  // namespace render
