#pragma once
// Where a finished message side goes: stretched into the preview box from its
// width, or 1:1 on the printer page, shifted by the print offset.

#include <QRect>
#include <QSize>

#include "message/RenderMessageSide.h"

class QPainter;

namespace message {

// The preview rectangle (0, 0)-(W, trunc(W x 1.48)) for a box of width W.
QRect messagePreviewRect(int boxWidth);

// Fills the whole box with the button-face colour, then stretches the page
// into messagePreviewRect. An invalid picture leaves the box untouched.
void showMessagePreview(QPainter& painter, QSize boxSize, const platform::PagePicture& picture);

// The card's size in pixels of the painter's device (100 x 148 mm).
QSize cardDeviceSize(const QPainter& painter);

// Draws the page at its physical size with its top-left corner at the print
// offset (1/360 inch units). Whatever moves outside the card's area at the page origin is cut
// off, so an offset never spills the picture over the printable area; the
// text stays text (a PDF keeps it selectable).
void printMessageSide(QPainter& printerPainter, const MessageSidePage& page);

}  // namespace message
