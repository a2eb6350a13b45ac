#include <gtest/gtest.h>

#include "editor/StretchPicture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

TEST(StretchPicture, EnlargingRepeatsEveryPixel) {
    const QImage src = numbered(5, 3);
    const StretchResult r = stretchPicture(src, QSize(10, 6));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.picture.size(), QSize(10, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(r.picture.pixel(x, y), src.pixel(x / 2, y / 2));

    // An uneven factor still uses every source pixel, in order.
    const StretchResult odd = stretchPicture(numbered(3, 1), QSize(7, 1));
    const int expected[] = {0, 0, 0, 1, 1, 2, 2};
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(odd.picture.pixel(x, 0), numbered(3, 1).pixel(expected[x], 0)) << x;
}

TEST(StretchPicture, ShrinkingKeepsThinDarkLinesByAndingDroppedRowsAndColumns) {
    // A one-pixel black column and a one-pixel red row on white.
    QImage src = filled(8, 8);
    for (int y = 0; y < 8; ++y) src.setPixel(3, y, kBlack);
    for (int x = 0; x < 8; ++x) src.setPixel(x, 5, kRed);
    const StretchResult r = stretchPicture(src, QSize(4, 4));
    ASSERT_TRUE(r.ok);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(r.picture.pixel(1, y), kBlack) << y;                    // columns 2,3 merged
    for (int x : {0, 2, 3}) EXPECT_EQ(r.picture.pixel(x, 2), kRed) << x;  // rows 4,5 merged
    EXPECT_EQ(r.picture.pixel(0, 0), kWhite);
    EXPECT_EQ(r.picture.pixel(3, 3), kWhite);
}

TEST(StretchPicture, MergesChannelByChannel) {
    QImage src = filled(3, 1);
    src.setPixel(0, 0, qRgb(0xF0, 0x0F, 0xFF));
    src.setPixel(1, 0, qRgb(0x3C, 0xFF, 0x0F));
    src.setPixel(2, 0, qRgb(0xFF, 0xFF, 0xF0));
    const QImage one = stretchPicture(src, QSize(1, 1)).picture;
    EXPECT_EQ(one.pixel(0, 0), qRgb(0x30, 0x0F, 0x00));
    // 3 -> 2: the first pixel stays alone, the other two merge.
    const QImage two = stretchPicture(src, QSize(2, 1)).picture;
    EXPECT_EQ(two.pixel(0, 0), qRgb(0xF0, 0x0F, 0xFF));
    EXPECT_EQ(two.pixel(1, 0), qRgb(0x3C, 0xFF, 0x00));
}

TEST(StretchPicture, WidenWhileMakingLower) {
    QImage src = filled(2, 4);
    src.setPixel(1, 1, kBlack);
    const QImage r = stretchPicture(src, QSize(4, 2)).picture;
    ASSERT_EQ(r.size(), QSize(4, 2));
    EXPECT_EQ(r.pixel(2, 0), kBlack);
    EXPECT_EQ(r.pixel(3, 0), kBlack);
    EXPECT_EQ(r.pixel(1, 0), kWhite);
    EXPECT_EQ(countColour(r, kBlack), 2);
}

TEST(StretchPicture, EmptyAndImpossibleSizes) {
    const StretchResult none = stretchPicture(filled(10, 10), QSize(0, 7));
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.picture.isNull());

    const StretchResult fromNothing = stretchPicture(QImage(), QSize(3, 2));
    ASSERT_TRUE(fromNothing.ok);
    EXPECT_EQ(countColour(fromNothing.picture, kWhite), 6);

    const StretchResult huge = stretchPicture(filled(2, 2), QSize(1 << 20, 1 << 20));
    EXPECT_FALSE(huge.ok);
    EXPECT_FALSE(huge.error.isEmpty());
    EXPECT_TRUE(huge.picture.isNull());
    // 500 % of a large photograph: refused before any memory is taken.
    EXPECT_FALSE(stretchPicture(filled(2, 2), QSize(20000, 15000)).ok);
    EXPECT_TRUE(stretchPicture(filled(2, 2), QSize(3000, 3000)).ok);
}
