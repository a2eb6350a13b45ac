#pragma once
// The message side of a postcard: the background (the picture for the back,
// or white), then the body's lines in vertical columns from right to left.
// The preview and the printed page differ only in how the picture is laid
// under the text and in the print offset the output step applies.

#include <QPoint>

#include "message/MessageSideInput.h"
#include "platform/page/PagePicture.h"
#include "render/DrawingSurface.h"

namespace message {

struct MessageSidePage {
    platform::PagePicture picture;
    // Where the card's top-left corner goes on the printer page, in the
    // design's printer pixels (1/360 inch); always (0, 0) for the screen.
    QPoint printOffset;
};

MessageSidePage RenderMessageSide(const MessageSideInput& input);

// Makes the surface's font the vertical record of height `height` in the
// chosen face. Zero and negative heights are passed on as they are: zero is
// the face's default size, a negative one a character height of -height.
void MakeMessageFont(render::DrawingSurface& surface, int faceIndex, int height);

// The printed picture's size for a picture size field: PGsize1 + 142 percent
// of 1000 x 1480 printer pixels of 1/360 inch, integer division; it repeats
// from the card's corner when smaller than the card. Empty when the
// percentage is not positive.
QSize printPatternSize(int pictureSizeField);

// Where a picture of `picture` pixels goes for `box`: the box itself when
// stretched or when the picture has no size, else centred on it with the
// picture's own shape (larger than the box when filling it).
QRect fittedPictureRect(QSize picture, const QRect& box, PictureFit fit);

// The preview's tile: 270 x 429 screen pixels, the picture in the lower
// 270 x 399, the top 30 rows white.
inline constexpr int kPreviewTileWidth = 932 * 29 / 100;
inline constexpr int kPreviewTileHeight = 1480 * 29 / 100;
inline constexpr int kPreviewPictureTop = 30;

}  // namespace message
