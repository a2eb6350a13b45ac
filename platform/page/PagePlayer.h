#pragma once
// Replays a PagePicture on any QPainter: stretched into a rectangle (the
// preview) or at its natural physical size at a device position (printer,
// PDF). Page units are 0.1 mm with y up; the player turns them into the
// painter's y-down coordinates itself, so text never comes out mirrored.

#include <QPoint>
#include <QRectF>

#include "platform/page/PagePicture.h"

class QPainter;

namespace platform {

class PagePlayer {
  public:
    // Maps the whole page onto `target` (painter coordinates).
    static void playStretched(QPainter& painter, const PagePicture& picture, const QRectF& target);

    // Draws the page at its physical size, using the resolution of the
    // painter's device, with the page's top-left corner at `devicePosition`.
    static void playAtNaturalSize(QPainter& painter, const PagePicture& picture,
                                  QPointF devicePosition);

    // Draws the page with `scaleX`/`scaleY` painter units per 0.1 mm and the
    // page's top-left corner at `topLeft`.
    static void play(QPainter& painter, const PagePicture& picture, QPointF topLeft, double scaleX,
                     double scaleY);
};

}  // namespace platform
