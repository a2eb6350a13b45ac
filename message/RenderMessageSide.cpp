#include "message/RenderMessageSide.h"

#include <QPainter>

#include "message/MessageLineLayout.h"
#include "render/ConvertForVertical.h"
#include "render/VerticalFont.h"

namespace message {
namespace {

const platform::PageRect kCard{0, 0, kCardWidth, -kCardHeight};

// Stretches the picture into `target` of a white image of `size` pixels.
QImage tile(QSize size, const QImage& picture, const QRect& target) {
    QImage t(size, QImage::Format_RGB32);
    t.fill(Qt::white);
    if (!picture.isNull() && !target.isEmpty()) {
        QPainter p(&t);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(target, picture);
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
    // Once, from the card's corner, at its physical size: the same on every
    // printer and in a PDF, as the preview shows it.
    const platform::PageRect where{0, 0, printerPixelsToTenths(size.width()),
                                   -printerPixelsToTenths(size.height())};
    s.stretchBitmap(where, tile(size, in.picture, QRect(QPoint(0, 0), size)), in.pictureJpeg);
}

void previewBackground(render::DrawingSurface& s, const MessageSideInput& in) {
    s.setPenColour(Qt::black);
    if (in.showPicture) {
        const QSize size(kPreviewTileWidth, kPreviewTileHeight);
        const QRect picture(0, kPreviewPictureTop, kPreviewTileWidth,
                            kPreviewTileHeight - kPreviewPictureTop);
        s.setBrushPattern(tile(size, in.picture, picture));
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

void MakeMessageFont(render::DrawingSurface& surface, int faceIndex, int height) {
    surface.selectFont(render::verticalFontRecord(faceIndex, height));
}

MessageSidePage RenderMessageSide(const MessageSideInput& in) {
    const bool printing = in.target == render::ReferenceDevice::Printer;
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
