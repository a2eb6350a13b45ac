// Windows metafiles written record by record, played to pixels.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/metafile/Metafile.h"
#include "tests/platform/MetafileBuilders.h"
#include "tests/platform/PixelColours.h"

using namespace platform;
using testpictures::Wmf;

using testpictures::kBlack;
using testpictures::kBlue;
using testpictures::kGreen;
using testpictures::kRed;
using testpictures::kWhite;
using testpictures::pixelAt;

namespace {

// Pen, brush and their selection, as clip art starts.
Wmf& solid(Wmf& w, QRgb brush, bool pen) {
    const QByteArray b = Wmf::colour(qRed(brush), qGreen(brush), qBlue(brush));
    w.raw(0x02FC, QByteArray::fromHex("0000") + b + QByteArray::fromHex("0000"));  // brush
    w.record(0x012D, {0});
    w.raw(0x02FA, QByteArray::fromHex(pen ? "0000" : "0500") + QByteArray::fromHex("00000000") +
                      Wmf::colour(0, 0, 0));  // pen
    w.record(0x012D, {1});
    return w;
}

}  // namespace

TEST(WmfPlayer, PlaceableHeaderSetsSizeAndWindow) {
    // 1440 × 960 twips at 1440 per inch is 96 × 64 pixels; the window maps onto it.
    Wmf w;
    w.record(0x0103, {8});          // anisotropic
    w.record(0x020B, {0, 0});       // window origin
    w.record(0x020C, {960, 1440});  // window extent (y, x)
    solid(w, kRed, true);
    w.record(0x041B, {480, 720, 0, 0});  // rectangle: bottom, right, top, left
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 1440, 960, 1440));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    ASSERT_EQ(p.image.size(), QSize(96, 64));
    // 720 × 480 twips is 48 × 32 pixels, right and bottom edge excluded.
    EXPECT_EQ(pixelAt(p.image, 0, 10), kBlack);
    EXPECT_EQ(pixelAt(p.image, 47, 10), kBlack);
    EXPECT_EQ(pixelAt(p.image, 48, 10), kWhite);
    EXPECT_EQ(pixelAt(p.image, 20, 31), kBlack);
    EXPECT_EQ(pixelAt(p.image, 20, 32), kWhite);
    EXPECT_EQ(pixelAt(p.image, 20, 20), kRed);
    EXPECT_EQ(pixelAt(p.image, 90, 60), kWhite);
}

TEST(WmfPlayer, ObjectsTakeTheLowestFreeSlot) {
    Wmf w;
    w.raw(0x02FA, QByteArray::fromHex("0500"
                                      "00000000") +
                      Wmf::colour(0, 0, 0));  // 0: null pen
    w.raw(0x02FC,
          QByteArray::fromHex("0000") + Wmf::colour(255, 0, 0) + QByteArray(2, '\0'));  // 1: red
    w.record(0x00F7, {0x300, 0});  // 2: palette
    w.record(0x01F0, {1});         // free 1
    w.raw(0x02FC,
          QByteArray::fromHex("0000") + Wmf::colour(0, 0, 255) + QByteArray(2, '\0'));  // → 1: blue
    w.raw(0x02FC, QByteArray::fromHex("0000") + Wmf::colour(0, 255, 0) +
                      QByteArray(2, '\0'));  // → 3: green
    w.record(0x012D, {0});
    w.record(0x012D, {1});
    w.record(0x041B, {20, 20, 0, 0});
    w.record(0x012D, {3});
    w.record(0x041B, {20, 40, 0, 20});
    w.record(0x012D, {9});  // nothing there: the selection stays
    w.record(0x041B, {40, 20, 20, 0});
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 40, 40, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), kBlue);
    EXPECT_EQ(pixelAt(p.image, 25, 5), qRgb(0, 255, 0));
    EXPECT_EQ(pixelAt(p.image, 5, 25), qRgb(0, 255, 0));
}

TEST(WmfPlayer, PolyPolygonFillModesAndSavedStates) {
    // Two nested squares drawn the same way round: alternate fill leaves the
    // inner one empty, winding fill does not.
    auto squares = [](bool winding) {
        Wmf w;
        solid(w, kBlue, false);
        w.record(0x001E, {});  // save: blue brush
        w.raw(0x02FC, QByteArray::fromHex("0000") + Wmf::colour(255, 0, 0) + QByteArray(2, '\0'));
        w.record(0x012D, {2});
        w.record(0x0106, {winding ? 2 : 1});
        w.record(0x0538, {2, 4, 4, 0, 0, 60, 0, 60, 60, 0, 60, 20, 20, 40, 20, 40, 40, 20, 40});
        w.record(0x0127, {-1});  // back to blue
        w.record(0x0324, {4, 70, 0, 90, 0, 90, 20, 70, 20});
        return decodeWmf(w.bytes(0, 0, 100, 100, 96));
    };
    DecodedPicture p = squares(false);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 10, 10), kRed);
    EXPECT_EQ(pixelAt(p.image, 30, 30), kWhite);
    EXPECT_EQ(pixelAt(p.image, 80, 10), kBlue);
    p = squares(true);
    EXPECT_EQ(pixelAt(p.image, 30, 30), kRed);
}

TEST(WmfPlayer, PieRunsCounterClockwiseFromStartToEnd) {
    Wmf w;
    solid(w, kRed, false);
    // Box 0..100, start ray to the right, end ray upwards: the upper right quarter.
    w.record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 100, 100, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 70, 25), kRed);
    EXPECT_EQ(pixelAt(p.image, 25, 25), kWhite);
    EXPECT_EQ(pixelAt(p.image, 70, 75), kWhite);
    EXPECT_EQ(pixelAt(p.image, 25, 75), kWhite);
}

TEST(WmfPlayer, StretchDibDrawsTheBitmapTheRightWayUp) {
    // A 2 × 2 bitmap (red blue / white black) stretched over 40 × 40.
    const QByteArray dib = testpictures::packedDib24(2, 2, {kRed, kBlue, kWhite, kBlack});
    QByteArray params;
    testpictures::put32(params, 0x00CC0020);
    for (int v : {0, 2, 2, 0, 0, 40, 40, 10, 10})
        testpictures::put16(params, v);  // usage, src h w y x, dest h w y x
    Wmf w;
    w.raw(0x0F43, params + dib);
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 60, 60, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 15, 15), kRed);
    EXPECT_EQ(pixelAt(p.image, 45, 15), kBlue);
    EXPECT_EQ(pixelAt(p.image, 15, 45), kWhite);
    EXPECT_EQ(pixelAt(p.image, 45, 45), kBlack);
    EXPECT_EQ(pixelAt(p.image, 5, 5), kWhite);
}

TEST(WmfPlayer, TextInShiftJisLandsAtItsReferencePoint) {
    // "日本" in CP932, red, 40 pixels high, top-left aligned at (10, 10).
    Wmf w;
    QByteArray font;
    for (int v : {-40, 0, 0, 0, 400}) testpictures::put16(font, v);
    font += QByteArray::fromHex(
        "000000"
        "80"
        "00000000");  // italic.. charset SHIFTJIS .. pitch
    font += QByteArray("\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9", 9) +
            QByteArray(23, '\0');  // "ＭＳ 明朝"
    w.raw(0x02FB, font);
    w.record(0x012D, {0});
    w.raw(0x0209, Wmf::colour(255, 0, 0));
    w.record(0x0102, {1});  // transparent background
    QByteArray text;
    for (int v : {10, 10, 4, 0}) testpictures::put16(text, v);  // y, x, count, options
    text += QByteArray("\x93\xfa\x96\x7b", 4);
    w.raw(0x0A32, text);
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 200, 80, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    int inside = 0, outside = 0;
    for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x) {
            const QRgb c = pixelAt(p.image, x, y);
            if (c == kWhite) continue;
            EXPECT_GT(qRed(c), qBlue(c));  // red text, nothing else
            (x >= 8 && x < 95 && y >= 8 && y < 55) ? ++inside : ++outside;
        }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

TEST(WmfPlayer, PlainFileTakesItsSizeFromTheWindowExtent) {
    Wmf w;
    w.record(0x020C, {100, 200});
    DecodedPicture p = decodeWmf(w.bytes());
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(p.image.size(), QSize(200, 100));

    Wmf big;
    big.record(0x020C, {-3000, 6000});  // y up; the longer side comes down to the cap
    p = decodeWmf(big.bytes());
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(p.image.size(), QSize(kPlainWmfMaxSide, kPlainWmfMaxSide / 2));

    Wmf none;
    none.record(0x041B, {10, 10, 0, 0});
    EXPECT_FALSE(decodeWmf(none.bytes()).ok());
}

TEST(WmfPlayer, DamagedFilesAreRefusedAndHostileCountsIgnored) {
    Wmf w;
    solid(w, kRed, true);
    w.record(0x041B, {10, 10, 0, 0});
    const QByteArray whole = w.bytes(0, 0, 20, 20, 96);
    ASSERT_TRUE(decodeWmf(whole).ok());
    // Every cut that falls inside the headers or inside a record is refused.
    int refused = 0;
    for (int n = 0; n < whole.size(); ++n) refused += decodeWmf(whole.left(n)).ok() ? 0 : 1;
    EXPECT_GE(refused, whole.size() - 6);
    EXPECT_FALSE(decodeWmf(QByteArray("not a metafile at all, really")).ok());

    // A record of size zero would never advance: refused, not looped on.
    QByteArray zero = w.bytes(0, 0, 20, 20, 96);
    zero.insert(22 + 18, QByteArray::fromHex("00000000"
                                             "1b04"));
    EXPECT_FALSE(decodeWmf(zero).ok());

    // A polygon claiming 30000 points in a short record, a poly-polygon
    // claiming 65535 polygons, text longer than its record: skipped.
    Wmf lies;
    lies.record(0x0324, {30000, 1, 2, 3, 4});
    lies.record(0x0538, {65535, 3});
    lies.record(0x0A32, {0, 0, 5000, 6});
    lies.record(0x0F43, {0x20, 0xcc, 0, 1, 1, 0, 0, 10, 10, 0, 0});  // bitmap missing
    const DecodedPicture p = decodeWmf(lies.bytes(0, 0, 20, 20, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), kWhite);
}

TEST(WmfPlayer, OversizedPictureIsRefusedBeforeDrawing) {
    Wmf w;
    // 32000 units at 1 per inch would be 3 million pixels wide.
    DecodedPicture p = decodeWmf(w.bytes(0, 0, 32000, 32000, 1));
    EXPECT_TRUE(p.error.contains(QStringLiteral("大きすぎ"))) << p.error.toStdString();
    p = decodeWmf(w.bytes(0, 0, 0, 100, 96));
    EXPECT_FALSE(p.ok());
}

TEST(WmfPlayer, ClipRectanglesFollowSavedStates) {
    Wmf w;
    solid(w, kRed, false);
    w.record(0x001E, {});                // save: no clip
    w.record(0x0416, {50, 50, 10, 10});  // intersect 10..50
    w.record(0x0415, {30, 30, 20, 20});  // exclude 20..30
    w.record(0x041B, {40, 100, 0, 0});   // wide rectangle, clipped
    w.record(0x0127, {-1});              // clip gone again
    w.record(0x041B, {100, 100, 80, 0});
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 100, 100, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 15), kWhite);  // left of the clip
    EXPECT_EQ(pixelAt(p.image, 15, 15), kRed);
    EXPECT_EQ(pixelAt(p.image, 25, 25), kWhite);  // the excluded hole
    EXPECT_EQ(pixelAt(p.image, 60, 15), kWhite);  // right of the clip
    EXPECT_EQ(pixelAt(p.image, 90, 90), kRed);    // after the restore
}

TEST(WmfPlayer, BitBltCombinesWithTheRasterOperation) {
    // A cyan background, then a 1 × 1 yellow bitmap ANDed over part of it:
    // cyan AND yellow is green. A pattern blit with BLACKNESS follows.
    Wmf w;
    solid(w, qRgb(0, 255, 255), false);
    w.record(0x041B, {40, 40, 0, 0});
    const QByteArray dib = testpictures::packedDib24(1, 1, {qRgb(255, 255, 0)});
    QByteArray stretch;  // src h w y x, dest h w y x
    testpictures::put32(stretch, 0x008800C6);
    for (int v : {1, 1, 0, 0, 20, 20, 10, 10}) testpictures::put16(stretch, v);
    w.raw(0x0B41, stretch + dib);
    QByteArray black;
    testpictures::put32(black, 0x00000042);
    for (int v : {5, 5, 50, 50}) testpictures::put16(black, v);  // h w y x
    w.raw(0x061D, black);
    const DecodedPicture p = decodeWmf(w.bytes(0, 0, 60, 60, 96));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), qRgb(0, 255, 255));
    EXPECT_EQ(pixelAt(p.image, 15, 15), qRgb(0, 255, 0));
    EXPECT_EQ(pixelAt(p.image, 52, 52), kBlack);
    EXPECT_EQ(pixelAt(p.image, 45, 45), kWhite);
}

TEST(WmfPlayer, VerticalFacesStandTwoByteCharactersUpright) {
    // "一一" written downwards (escapement 270°) from (100, 10), 40 pixels.
    // Through a vertical face the strokes stay horizontal, one under the
    // other; through the plain face the whole run lies on its side.
    auto inkBox = [](bool verticalFace) {
        Wmf w;
        QByteArray font;
        for (int v : {-40, 0, 2700, 2700, 400}) testpictures::put16(font, v);
        font += QByteArray::fromHex(
            "000000"
            "80"
            "00000000");
        const QByteArray face = verticalFace
                                    ? QByteArray("@\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9", 10)
                                    : QByteArray("\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9", 9);
        font += face + QByteArray(32 - face.size(), '\0');
        w.raw(0x02FB, font);
        w.record(0x012D, {0});
        w.record(0x0102, {1});
        QByteArray text;
        for (int v : {10, 100, 4, 0}) testpictures::put16(text, v);
        text += QByteArray("\x88\xea\x88\xea", 4);
        w.raw(0x0A32, text);
        const DecodedPicture p = decodeWmf(w.bytes(0, 0, 120, 120, 96));
        EXPECT_TRUE(p.ok());
        QRect box;
        for (int y = 0; y < p.image.height(); ++y)
            for (int x = 0; x < p.image.width(); ++x)
                if (qGray(p.image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect upright = inkBox(true), sideways = inkBox(false);
    // Upright: two wide, flat strokes in a column left of x = 100, below y = 10.
    ASSERT_FALSE(upright.isEmpty());
    EXPECT_LE(upright.right(), 100);
    EXPECT_GE(upright.left(), 50);
    EXPECT_GE(upright.top(), 10);
    EXPECT_GT(upright.height(), 40);  // two characters, one under the other
    // Sideways: each stroke runs down the page, so the ink is one tall, thin bar.
    ASSERT_FALSE(sideways.isEmpty());
    EXPECT_LT(sideways.width(), 12);
    EXPECT_GT(sideways.height(), 50);
    EXPECT_GT(upright.width(), 2 * sideways.width());
}
