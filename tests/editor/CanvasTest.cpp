#include <gtest/gtest.h>

#include "editor/Canvas.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

TEST(Canvas, NewPictureIsAPostcardFilledWithTheColour) {
    const QImage p = newPicture(kWhite);
    EXPECT_EQ(p.size(), QSize(341, 504));
    EXPECT_EQ(p.format(), QImage::Format_RGB32);
    EXPECT_EQ(countColour(p, kWhite), 341 * 504);
    EXPECT_EQ(newPicture(kBlue).pixel(340, 503), kBlue);
}

TEST(Canvas, SizeLabelInMillimetresOrPixels) {
    EXPECT_EQ(canvasSizeText(QSize(341, 504), SizeUnit::Millimetres),
              QStringLiteral("ヨコ 100\r\nタテ 148"));
    EXPECT_EQ(canvasSizeText(QSize(341, 504), SizeUnit::Pixels),
              QStringLiteral("ヨコ 341\r\nタテ 504"));
    EXPECT_EQ(canvasSizeText(QSize(504, 341), SizeUnit::Millimetres),
              QStringLiteral("ヨコ 148\r\nタテ 100"));
    EXPECT_EQ(canvasSizeText(QSize(0, 3), SizeUnit::Millimetres),
              QStringLiteral("ヨコ 0\r\nタテ 0"));
}

TEST(Canvas, ScaleTruncatesBothWays) {
    EXPECT_EQ(pixelsToMillimetres(3404), 999);
    EXPECT_EQ(pixelsToMillimetres(3405), 1000);
    EXPECT_EQ(millimetresToPixels(50), 170);
    EXPECT_EQ(millimetresToPixels(1000), 3405);
}

TEST(Canvas, PointerTextsShowNegativePositionsToo) {
    EXPECT_EQ(pointerStatusText(QPoint(12, -3)), QStringLiteral(" X 12  Y -3"));
    EXPECT_EQ(pointerLabelText(QPoint(-1, 40)), QStringLiteral(" X -1\r\n Y 40"));
}
