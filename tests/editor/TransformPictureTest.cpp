#include <gtest/gtest.h>

#include "editor/TransformPicture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

namespace {

constexpr QRgb A = kRed, B = kBlue;

QImage twoByOne() {
    QImage img = filled(2, 1);
    img.setPixel(0, 0, A);
    img.setPixel(1, 0, B);
    return img;
}

QImage apply(QImage img, std::initializer_list<TransformMode> modes) {
    for (TransformMode m : modes) img = transformPicture(img, m);
    return img;
}

}  // namespace

TEST(TransformPicture, TwoByOneGoesWhereEachCommandSends) {
    const QImage q = transformPicture(twoByOne(), TransformMode::Rotate90);
    ASSERT_EQ(q.size(), QSize(1, 2));
    EXPECT_EQ(q.pixel(0, 0), A);  // A above B
    EXPECT_EQ(q.pixel(0, 1), B);

    const QImage t = transformPicture(twoByOne(), TransformMode::Rotate270);
    ASSERT_EQ(t.size(), QSize(1, 2));
    EXPECT_EQ(t.pixel(0, 0), B);
    EXPECT_EQ(t.pixel(0, 1), A);

    for (TransformMode m : {TransformMode::Rotate180, TransformMode::MirrorLeftRight}) {
        const QImage r = transformPicture(twoByOne(), m);
        ASSERT_EQ(r.size(), QSize(2, 1));
        EXPECT_EQ(r.pixel(0, 0), B);
        EXPECT_EQ(r.pixel(1, 0), A);
    }
    EXPECT_EQ(transformPicture(twoByOne(), TransformMode::MirrorTopBottom), twoByOne());
}

TEST(TransformPicture, EveryPixelFollowsTheMappingOnAnOddSizedPicture) {
    // 37 by 23 crosses the copy's band width and has no symmetry to hide behind.
    const int w = 37, h = 23;
    const QImage src = numbered(w, h);
    const QImage r90 = transformPicture(src, TransformMode::Rotate90);
    const QImage r180 = transformPicture(src, TransformMode::Rotate180);
    const QImage r270 = transformPicture(src, TransformMode::Rotate270);
    const QImage rl = transformPicture(src, TransformMode::MirrorLeftRight);
    const QImage tb = transformPicture(src, TransformMode::MirrorTopBottom);
    ASSERT_EQ(r90.size(), QSize(h, w));
    ASSERT_EQ(r270.size(), QSize(h, w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = src.pixel(x, y);
            ASSERT_EQ(r90.pixel(h - 1 - y, x), c);
            ASSERT_EQ(r180.pixel(w - 1 - x, h - 1 - y), c);
            ASSERT_EQ(r270.pixel(y, w - 1 - x), c);
            ASSERT_EQ(rl.pixel(w - 1 - x, y), c);
            ASSERT_EQ(tb.pixel(x, h - 1 - y), c);
        }
}

TEST(TransformPicture, CombinationsThatUndoEachOtherRestoreThePixels) {
    const QImage src = numbered(41, 19);
    using M = TransformMode;
    EXPECT_EQ(apply(src, {M::Rotate90, M::Rotate90, M::Rotate90, M::Rotate90}), src);
    EXPECT_EQ(apply(src, {M::Rotate90, M::Rotate270}), src);
    EXPECT_EQ(apply(src, {M::MirrorLeftRight, M::MirrorLeftRight}), src);
    EXPECT_EQ(apply(src, {M::MirrorTopBottom, M::MirrorTopBottom}), src);
    EXPECT_EQ(apply(src, {M::Rotate180}), apply(src, {M::Rotate90, M::Rotate90}));
    EXPECT_EQ(apply(src, {M::Rotate180}), apply(src, {M::MirrorLeftRight, M::MirrorTopBottom}));
}

TEST(TransformPicture, OnePixelStaysAndEmptyStaysEmpty) {
    const QImage one = filled(1, 1, kGreen);
    for (TransformMode m :
         {TransformMode::Rotate90, TransformMode::Rotate180, TransformMode::Rotate270,
          TransformMode::MirrorLeftRight, TransformMode::MirrorTopBottom}) {
        EXPECT_EQ(transformPicture(one, m), one);
        EXPECT_TRUE(transformPicture(QImage(), m).isNull());
    }
}

TEST(TransformPicture, PicturesInOtherFormatsComeBackInTheEditorsFormat) {
    QImage rgb888(3, 2, QImage::Format_RGB888);
    rgb888.fill(QColor(10, 20, 30));
    rgb888.setPixel(0, 0, qRgb(1, 2, 3));
    const QImage r = transformPicture(rgb888, TransformMode::Rotate90);
    EXPECT_EQ(r.format(), QImage::Format_RGB32);
    EXPECT_EQ(r.pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(r.pixel(0, 0), qRgb(10, 20, 30));
}
