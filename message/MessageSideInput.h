#pragma once
// What the message side of a postcard is drawn from: the card kind and face
// chosen on the body page, the body's lines, the picture for the back, the
// adjustment fields, and the device the page is meant for. The page reads its
// controls into this at the moment of drawing; nothing here outlives a call.

#include <QImage>
#include <QStringList>

#include "platform/page/OutputTarget.h"

namespace message {

// Item indexes of the card kind chooser.
enum class CardKind { NewYear = 0, Ordinary = 1 };

// The adjustment fields, named after their controls, in 0.1 mm (the print
// offsets in printer pixels, the picture size in percent).
struct MessageLayout {
    // New Year card, lines 1-3.
    int NES0 = 0, NEG0 = 0, NEX0 = 0, NEY0 = 0;
    // New Year card, line 4 on.
    int NES1 = 0, NEG1 = 0, NEX1 = 0, NEY1 = 0;
    // Ordinary card.
    int FHS0 = 0, FHX0 = 0, FHG0 = 0, FHY0 = 0;
    // Picture and offsets on printing only.
    int PGsize1 = 0, PIndL = 0, PIndT = 0;
};

// How the picture meets the card's shape (the settings keep the number):
// stretched to it, scaled to cover it with the overhang cut off, or scaled to
// lie inside it on white.
enum class PictureFit { Stretch = 0, Fill = 1, Inside = 2 };

struct MessageSideInput {
    int cardKind = int(CardKind::NewYear);
    int faceIndex = 0;
    // The body's lines, line 0 first: one entry per paragraph of the editor,
    // however the editor happens to wrap it on screen.
    QStringList lines;
    QImage picture;            // the picture for the back
    QByteArray pictureJpeg;    // its JPEG file, when it was one (a PDF embeds it as it is)
    bool showPicture = false;  // a picture is current (its file name is set)
    PictureFit pictureFit = PictureFit::Stretch;
    MessageLayout layout;
    platform::OutputTarget target = platform::OutputTarget::Screen;
};

// The card is 100 x 148 mm.
inline constexpr int kCardWidth = 1000;   // 0.1 mm
inline constexpr int kCardHeight = 1480;  // 0.1 mm

}  // namespace message
