// The message side's background, fonts and brush, read from the recorded
// operations, for the preview and for the printer.

#include <gtest/gtest.h>

#include <QPainter>

#include "message/RenderMessageSide.h"
#include "tests/message/MessageOps.h"

using namespace message;
using namespace message_ops;
namespace op = platform::op;
using platform::BrushStyle;

namespace {

const platform::PageRect kCard{0, 0, 1000, -1480};

// A picture of four coloured quarters, so placement and stretching show.
QImage quarters(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
    return img;
}

MessageSideInput withPicture(platform::OutputTarget target) {
    MessageSideInput in = body(int(CardKind::NewYear), {u"謹賀新年"_qs});
    in.picture = quarters(400, 600);
    in.showPicture = true;
    in.target = target;
    return in;
}

template <class T>
std::vector<T> opsOf(const platform::PagePicture& page) {
    std::vector<T> out;
    for (const platform::PageOp& o : page.ops)
        if (auto* t = std::get_if<T>(&o)) out.push_back(*t);
    return out;
}

// The brush style in force at each text operation.
std::vector<BrushStyle> textBrushes(const platform::PagePicture& page) {
    std::vector<BrushStyle> out;
    BrushStyle style = BrushStyle::Solid;
    for (const platform::PageOp& o : page.ops) {
        if (auto* s = std::get_if<op::SetBrushStyle>(&o)) style = s->style;
        if (std::holds_alternative<op::BrushPattern>(o)) style = BrushStyle::Pattern;
        if (std::holds_alternative<op::Text>(o)) out.push_back(style);
    }
    return out;
}

}  // namespace

TEST(RenderMessageSide, PageIsAPostcardAndTextIsDrawnWithoutBoxes) {
    const MessageSidePage page = RenderMessageSide(body(0, {"a", "b", "c", "d"}));
    EXPECT_EQ(page.picture.widthHundredths, 10000);
    EXPECT_EQ(page.picture.heightHundredths, 14800);
    EXPECT_EQ(textBrushes(page.picture), std::vector<BrushStyle>(4, BrushStyle::Clear));
}

TEST(RenderMessageSide, FontIsTheVerticalRecordInTheChosenFace) {
    MessageSideInput in = body(1, {"a"});
    in.faceIndex = 2;
    auto texts = opsOf<op::Text>(RenderMessageSide(in).picture);
    ASSERT_EQ(texts.size(), 1u);
    const platform::FontRecord& f = texts[0].font;
    EXPECT_EQ(f.height, 50);
    EXPECT_EQ(f.width, 0);
    EXPECT_EQ(f.escapement, 900);
    EXPECT_EQ(f.orientation, 900);
    EXPECT_EQ(f.charSet, 128);
    EXPECT_EQ(f.outPrecision, 7);
    EXPECT_EQ(f.clipPrecision, 16);
    EXPECT_EQ(f.quality, 2);
    EXPECT_EQ(f.faceNameText(), u"@HG正楷書体-PRO"_qs);

    in.faceIndex = -1;  // nothing chosen: the default face
    texts = opsOf<op::Text>(RenderMessageSide(in).picture);
    EXPECT_EQ(texts[0].font.faceNameText(), QString());
}

TEST(RenderMessageSide, PreviewWithoutPictureIsAWhiteCardWithItsOutline) {
    MessageSideInput in = body(0, {"a"});
    in.picture = quarters(10, 10);  // a bitmap without a name is not shown
    const platform::PagePicture page = RenderMessageSide(in).picture;
    EXPECT_TRUE(opsOf<op::BrushPattern>(page).empty());
    const auto rects = opsOf<op::Rectangle>(page);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, kCard);
    EXPECT_TRUE(opsOf<op::StretchBitmap>(page).empty());
}

TEST(RenderMessageSide, PreviewTileHoldsThePictureBelowThirtyWhiteRows) {
    const MessageSidePage page = RenderMessageSide(withPicture(platform::OutputTarget::Screen));
    const auto patterns = opsOf<op::BrushPattern>(page.picture);
    ASSERT_EQ(patterns.size(), 1u);
    const QImage& tile = patterns[0].pattern;
    EXPECT_EQ(tile.size(), QSize(270, 429));
    EXPECT_EQ(tile.pixelColor(135, 0), QColor(Qt::white));
    EXPECT_EQ(tile.pixelColor(135, 29), QColor(Qt::white));
    // The picture fills (0, 30)-(270, 429): its quarters meet at (135, 229).
    EXPECT_EQ(tile.pixelColor(2, 32), QColor(Qt::red));
    EXPECT_EQ(tile.pixelColor(267, 32), QColor(Qt::green));
    EXPECT_EQ(tile.pixelColor(2, 426), QColor(Qt::blue));
    EXPECT_EQ(tile.pixelColor(267, 426), QColor(Qt::yellow));
    EXPECT_EQ(tile.pixelColor(130, 224), QColor(Qt::red));
    EXPECT_EQ(tile.pixelColor(140, 234), QColor(Qt::yellow));

    EXPECT_EQ(opsOf<op::FillRect>(page.picture).size(), 1u);
    const auto rects = opsOf<op::Rectangle>(page.picture);
    ASSERT_EQ(rects.size(), 1u) << "the card outline over the picture";
    EXPECT_EQ(rects[0].rect, kCard);
    EXPECT_EQ(page.printOffset, QPoint(0, 0));
}

// 1420 x 2101 pixels of 1/360 inch: 100.2 x 148.2 mm, once from the corner.
TEST(RenderMessageSide, PrintedPictureIsSizedInPrinterPixelsAndHasNoOutline) {
    MessageSideInput in = withPicture(platform::OutputTarget::Printer);
    in.layout.PIndL = 100;
    in.layout.PIndT = -7;
    const MessageSidePage page = RenderMessageSide(in);
    EXPECT_TRUE(opsOf<op::BrushPattern>(page.picture).empty());
    const auto bitmaps = opsOf<op::StretchBitmap>(page.picture);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].rect, (platform::PageRect{0, 0, 1002, -1482}));
    EXPECT_EQ(bitmaps[0].image.size(), QSize(1420, 2101));
    EXPECT_EQ(bitmaps[0].image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(bitmaps[0].image.pixelColor(1416, 2097), QColor(Qt::yellow));
    EXPECT_TRUE(opsOf<op::Rectangle>(page.picture).empty());
    EXPECT_EQ(page.printOffset, QPoint(100, -7));
}

TEST(RenderMessageSide, PictureSizeFieldScalesThePrintedPicture) {
    EXPECT_EQ(printPatternSize(0), QSize(1420, 2101));
    EXPECT_EQ(printPatternSize(58), QSize(2000, 2960));
    EXPECT_EQ(printPatternSize(-70), QSize(720, 1065));
    EXPECT_TRUE(printPatternSize(-142).isEmpty());
}

TEST(RenderMessageSide, PrintWithoutPictureFillsTheCardWhite) {
    MessageSideInput in = withPicture(platform::OutputTarget::Printer);
    in.showPicture = false;  // the picture was dropped by a new body
    const platform::PagePicture page = RenderMessageSide(in).picture;
    EXPECT_TRUE(opsOf<op::BrushPattern>(page).empty());
    const auto fills = opsOf<op::FillRect>(page);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, kCard);
    const auto colours = opsOf<op::BrushColour>(page);
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(colours.front().colour, QColor(Qt::white));
}

// A picture smaller than the card repeats from the corner, in the same
// 1/360-inch units as a full-size one: 720 x 1065 pixels are 50.8 x 75.1 mm.
TEST(RenderMessageSide, SmallPrintedPictureRepeatsAcrossTheCard) {
    MessageSideInput in = withPicture(platform::OutputTarget::Printer);
    in.layout.PGsize1 = -70;
    const auto bitmaps = opsOf<op::StretchBitmap>(RenderMessageSide(in).picture);
    std::vector<platform::PageRect> rects;
    for (const op::StretchBitmap& b : bitmaps) {
        EXPECT_EQ(b.image.size(), QSize(720, 1065));
        rects.push_back(b.rect);
    }
    const std::vector<platform::PageRect> expected = {
        {0, 0, 508, -751}, {508, 0, 1016, -751}, {0, -751, 508, -1503}, {508, -751, 1016, -1503}};
    EXPECT_EQ(rects, expected);
}

TEST(RenderMessageSide, FitChoicesKeepThePicturesShapeOrStretchIt) {
    const QRect box(0, 30, 270, 400);
    const QSize landscape(600, 400);
    EXPECT_EQ(fittedPictureRect(landscape, box, PictureFit::Stretch), box);
    EXPECT_EQ(fittedPictureRect(landscape, box, PictureFit::Inside), QRect(0, 140, 270, 180));
    EXPECT_EQ(fittedPictureRect(landscape, box, PictureFit::Fill), QRect(-165, 30, 600, 400));
    EXPECT_EQ(fittedPictureRect(QSize(), box, PictureFit::Inside), box);
}

TEST(RenderMessageSide, FittedPictureStaysInItsBoxAndKeepsItsJpegOnlyWhenStretched) {
    MessageSideInput in = withPicture(platform::OutputTarget::Printer);
    in.picture = quarters(600, 400);  // landscape on a portrait card
    in.pictureJpeg = QByteArray("jpeg bytes");
    in.pictureFit = PictureFit::Inside;
    auto bitmaps = opsOf<op::StretchBitmap>(RenderMessageSide(in).picture);
    ASSERT_EQ(bitmaps.size(), 1u);
    QImage tile = bitmaps[0].image;
    // 1420 wide, so 947 high, centred in 2101: white above and below.
    EXPECT_EQ(tile.pixelColor(710, 570), QColor(Qt::white));
    EXPECT_EQ(tile.pixelColor(3, 580), QColor(Qt::red));
    EXPECT_EQ(tile.pixelColor(1416, 1520), QColor(Qt::yellow));
    EXPECT_EQ(tile.pixelColor(710, 1530), QColor(Qt::white));
    EXPECT_TRUE(bitmaps[0].jpeg.isEmpty()) << "the file's pixels are not the tile's";

    in.pictureFit = PictureFit::Fill;
    tile = opsOf<op::StretchBitmap>(RenderMessageSide(in).picture)[0].image;
    // Full height; the sides are cut, so the quarters meet at the centre.
    EXPECT_EQ(tile.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(tile.pixelColor(700, 1040), QColor(Qt::red));
    EXPECT_EQ(tile.pixelColor(720, 1060), QColor(Qt::yellow));

    in.pictureFit = PictureFit::Stretch;
    EXPECT_EQ(opsOf<op::StretchBitmap>(RenderMessageSide(in).picture)[0].jpeg, in.pictureJpeg);

    // The preview follows the same choice inside its picture area.
    in.target = platform::OutputTarget::Screen;
    in.pictureFit = PictureFit::Inside;
    const QImage preview = opsOf<op::BrushPattern>(RenderMessageSide(in).picture)[0].pattern;
    EXPECT_EQ(preview.pixelColor(135, 135), QColor(Qt::white));
    EXPECT_EQ(preview.pixelColor(2, 145), QColor(Qt::red));
}
