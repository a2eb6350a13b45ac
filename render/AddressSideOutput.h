#pragma once
// Where a finished address side goes: stretched into the preview box, or at
// its natural size on the printer page with the sheet's corner at the page's
// origin (the paper's corner when the job prints from there).

#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/page/PagePicture.h"

class QPainter;

namespace render {

// The preview rectangle (0, 0)-(trunc(W x fw), trunc(W x fh)) for a box of
// width W; an empty rectangle for a kind index outside 0..5. The factors are
// exact thousandths, so no rounding of the product can cost a pixel.
QRect previewRect(int mediaKind, int boxWidth);

// Fills the whole box with the button-face colour, then stretches the page
// into previewRect. An invalid picture leaves the box untouched.
void showAddressPreview(QPainter& painter, QSize boxSize, int mediaKind,
                        const platform::PagePicture& picture);

// Places the page on the printer canvas at natural size, its corner at the origin. An invalid
// picture draws nothing, so the page stays blank.
void printAddressSide(QPainter& printerPainter, const platform::PagePicture& picture);

}  // namespace render
