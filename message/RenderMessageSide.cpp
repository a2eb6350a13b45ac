#include "message/RenderMessageSide.h"

#include <QPainter>

#include "message/MessageLineLayout.h"
#include "render/ConvertForVertical.h"
#include "render/VerticalFont.h"

namespace message {
namespace {

const platform::PageRect kCard{0, 0, kCardWidth, -kCardHeight};

// The picture placed in `box` of a white image of `size` pixels, as the fit
// choice asks; whatever falls outside the box is cut off.
QImage tile(QSize size, const MessageSideInput& in, const QRect& box) {
    QImage t(size, QImage::Format_RGB32);
    t.fill(Qt::white);
    if (!in.picture.isNull() && !box.isEmpty()) {
        QPainter p(&t);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.setClipRect(box);
        p.drawImage(fittedPictureRect(in.picture.size(), box, in.pictureFit), in.picture);
    }
    return t;
}

// Printer pixels of the card's design count as 1/360 inch: in page units.
int printerPixelsToTenths(int pixels) { return (pixels * 254 + 180) / 360; }

void printBackground(render::DrawingSurface& s, const MessageSideInput& in) {
    s.setBrushStyle(platform::BrushStyle::Solid);
    s.setBrushColour(Qt::white);
    s.fillRect(kCard);
    const QSize size = printPatternSize(in.layout.PGsize1);
    if (!in.showPicture || in.picture.isNull() || size.isEmpty()) return;
    const QImage pattern = tile(size, in, QRect(QPoint(0, 0), size));
    // A PDF may embed the file itself only when the tile is the whole file.
    const QByteArray jpeg = in.pictureFit == PictureFit::Stretch ? in.pictureJpeg : QByteArray();
    // From the card's corner at its physical size, repeated while the card
    // is not covered: the same on every printer and in a PDF. Edges are
    // converted from whole pixels, so neighbours meet without a gap.
    for (int top = 0; printerPixelsToTenths(top) < kCardHeight; top += size.height())
        for (int left = 0; printerPixelsToTenths(left) < kCardWidth; left += size.width()) {
            const platform::PageRect where{printerPixelsToTenths(left), -printerPixelsToTenths(top),
                                           printerPixelsToTenths(left + size.width()),
                                           -printerPixelsToTenths(top + size.height())};
            s.stretchBitmap(where, pattern, jpeg);
        }
}

void previewBackground(render::DrawingSurface& s, const MessageSideInput& in) {
    s.setPenColour(Qt::black);
    if (in.showPicture) {
        const QSize size(kPreviewTileWidth, kPreviewTileHeight);
        const QRect picture(0, kPreviewPictureTop, kPreviewTileWidth,
                            kPreviewTileHeight - kPreviewPictureTop);
        s.setBrushPattern(tile(size, in, picture));
        s.fillRect(kCard);
        s.setBrushStyle(platform::BrushStyle::Clear);
        s.rectangle(kCard);
        return;
    }
    s.setBrushStyle(platform::BrushStyle::Solid);
    s.setBrushColour(Qt::white);
    s.rectangle(kCard);
}

}  // namespace

QSize printPatternSize(int pictureSizeField) {
    const int percent = pictureSizeField + 142;
    if (percent <= 0) return QSize();
    return QSize(kCardWidth * percent / 100, kCardHeight * percent / 100);
}

QRect fittedPictureRect(QSize picture, const QRect& box, PictureFit fit) {
    if (fit == PictureFit::Stretch || picture.isEmpty() || box.isEmpty()) return box;
    const qint64 pw = picture.width(), ph = picture.height();
    const qint64 bw = box.width(), bh = box.height();
    // Width-bound when the picture is relatively wider than the box (inside)
    // or narrower (fill).
    const bool wider = pw * bh > bw * ph;
    const bool widthBound = fit == PictureFit::Inside ? wider : !wider;
    const QSize size = widthBound ? QSize(int(bw), int((ph * bw + pw / 2) / pw))
                                  : QSize(int((pw * bh + ph / 2) / ph), int(bh));
    return QRect(box.x() + (box.width() - size.width()) / 2,
                 box.y() + (box.height() - size.height()) / 2, size.width(), size.height());
}

void MakeMessageFont(render::DrawingSurface& surface, int faceIndex, int height) {
    surface.selectFont(render::verticalFontRecord(faceIndex, height));
}

MessageSidePage RenderMessageSide(const MessageSideInput& in) {
    const bool printing = in.target == platform::OutputTarget::Printer;
    render::DrawingSurface s(kCardWidth * 10, kCardHeight * 10, in.target);
    if (printing)
        printBackground(s, in);
    else
        previewBackground(s, in);

    s.setBrushStyle(platform::BrushStyle::Clear);
    for (const PlacedLine& line : placeMessageLines(in.cardKind, in.layout, in.lines)) {
        MakeMessageFont(s, in.faceIndex, line.height);
        s.textOut(line.x, line.y, render::ConvertForVertical(line.text));
    }

    MessageSidePage page;
    page.picture = s.finish();
    if (printing) page.printOffset = QPoint(in.layout.PIndL, in.layout.PIndT);
    return page;
}

}  // namespace message
