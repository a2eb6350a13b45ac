// Enhanced metafiles written record by record, played to pixels.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/metafile/Metafile.h"
#include "tests/platform/MetafileBuilders.h"
#include "tests/platform/PixelColours.h"

using namespace platform;
using testpictures::Emf;
using testpictures::put16;
using testpictures::put32;

using testpictures::kBlack;
using testpictures::kBlue;
using testpictures::kGreen;
using testpictures::kRed;
using testpictures::kWhite;
using testpictures::pixelAt;

namespace {

constexpr qint64 kNullPen = 0x80000008, kBlackBrush = 0x80000004;

// CreateBrushIndirect into `slot` and select it; the null stock pen.
Emf& brush(Emf& e, int slot, QRgb c) {
    e.ints(39, {slot, 0, qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16), 0});
    e.ints(37, {slot});
    e.ints(37, {kNullPen});
    return e;
}

}  // namespace

TEST(EmfPlayer, FrameGivesTheSizeAndRectanglesLeaveOutTheirFarEdges) {
    // 25.4 × 12.7 mm at 96 dpi: 96 × 48 pixels.
    Emf e;
    brush(e, 1, kGreen);
    e.ints(43, {0, 0, 48, 48});
    const DecodedPicture p = decodeEmf(e.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    ASSERT_EQ(p.image.size(), QSize(96, 48));
    EXPECT_EQ(pixelAt(p.image, 0, 0), kGreen);
    EXPECT_EQ(pixelAt(p.image, 46, 46), kGreen);
    EXPECT_EQ(pixelAt(p.image, 48, 10), kWhite);
    EXPECT_EQ(pixelAt(p.image, 80, 10), kWhite);
}

TEST(EmfPlayer, BoundsGiveTheSizeWhenTheFrameIsEmpty) {
    Emf e;
    const DecodedPicture p = decodeEmf(e.bytes(0, 0, 29, 9));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(p.image.size(), QSize(30, 10));
}

TEST(EmfPlayer, MetricMappingCountsUpwardsAndWorldTransformScales) {
    // Low metric: 0.1 mm per unit, y up. A 10 mm square below the origin.
    Emf e;
    brush(e, 1, kRed);
    e.ints(17, {2});
    e.ints(43, {0, 0, 100, -100});
    const DecodedPicture p = decodeEmf(e.bytes(2540, 2540));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), kRed);
    EXPECT_EQ(pixelAt(p.image, 35, 35), kRed);  // 10 mm is 37.8 pixels
    EXPECT_EQ(pixelAt(p.image, 40, 40), kWhite);

    // World transform doubling x: a 10-pixel square becomes 20 wide.
    Emf w;
    brush(w, 1, kBlue);
    QByteArray xform;
    for (float f : {2.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}) testpictures::putFloat(xform, f);
    w.record(35, xform);
    w.ints(43, {0, 0, 10, 10});
    const DecodedPicture q = decodeEmf(w.bytes(2540, 1270));
    ASSERT_TRUE(q.ok()) << q.error.toStdString();
    EXPECT_EQ(pixelAt(q.image, 17, 5), kBlue);
    EXPECT_EQ(pixelAt(q.image, 5, 12), kWhite);
    EXPECT_EQ(pixelAt(q.image, 22, 5), kWhite);
}

TEST(EmfPlayer, PathIsCollectedThenFilled) {
    Emf e;
    brush(e, 1, kRed);
    e.ints(59, {});        // begin path
    e.ints(27, {10, 10});  // move
    e.ints(54, {80, 10});  // line
    e.ints(54, {80, 40});
    e.ints(61, {});            // close figure
    e.ints(60, {});            // end path
    e.ints(43, {0, 0, 5, 5});  // drawn after the path, normally
    e.ints(62, {0, 0, 0, 0});  // fill path
    const DecodedPicture p = decodeEmf(e.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 70, 15), kRed);    // inside the triangle
    EXPECT_EQ(pixelAt(p.image, 20, 35), kWhite);  // outside it
    EXPECT_EQ(pixelAt(p.image, 2, 2), kRed);
}

TEST(EmfPlayer, SixteenBitPolygonsAndPolyPolygon) {
    Emf e;
    brush(e, 1, kBlue);
    QByteArray poly;
    put32(poly, 0), put32(poly, 0), put32(poly, 0), put32(poly, 0);  // bounds
    put32(poly, 3);
    for (int v : {0, 0, 40, 0, 0, 40}) put16(poly, v);
    e.record(86, poly);  // Polygon16
    QByteArray pp;
    for (int i = 0; i < 4; ++i) put32(pp, 0);
    put32(pp, 2), put32(pp, 8), put32(pp, 4), put32(pp, 4);
    for (int v : {50, 0, 90, 0, 90, 40, 50, 40, 60, 10, 80, 10, 80, 30, 60, 30}) put16(pp, v);
    e.record(91, pp);  // PolyPolygon16, alternate fill
    const DecodedPicture p = decodeEmf(e.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), kBlue);
    EXPECT_EQ(pixelAt(p.image, 35, 35), kWhite);
    EXPECT_EQ(pixelAt(p.image, 55, 5), kBlue);
    EXPECT_EQ(pixelAt(p.image, 70, 20), kWhite);
}

TEST(EmfPlayer, StretchDibitsAndStockBrush) {
    const QByteArray dib = testpictures::packedDib24(2, 1, {kRed, kBlue});
    // StretchDIBits: bounds, dest x y, src x y w h, offsets, usage, rop, dest w h.
    QByteArray body;
    for (int i = 0; i < 4; ++i) put32(body, 0);
    for (qint64 v : {10, 10, 0, 0, 2, 1}) put32(body, v);
    const int headerEnd = 8 + body.size() + 4 * 8;  // where the bitmap starts in the record
    put32(body, headerEnd), put32(body, 40), put32(body, headerEnd + 40), put32(body, 8);
    put32(body, 0), put32(body, 0x00CC0020), put32(body, 40), put32(body, 20);
    body += dib;
    Emf e;
    e.record(81, body);
    e.ints(37, {kBlackBrush});
    e.ints(37, {kNullPen});
    e.ints(43, {0, 40, 10, 48});
    const DecodedPicture p = decodeEmf(e.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 15, 20), kRed);
    EXPECT_EQ(pixelAt(p.image, 45, 20), kBlue);
    EXPECT_EQ(pixelAt(p.image, 55, 20), kWhite);
    EXPECT_EQ(pixelAt(p.image, 3, 43), kBlack);
}

TEST(EmfPlayer, WideTextIsDrawnInTheTextColour) {
    // ExtCreateFontIndirectW: 32 pixels, "IPAGothic"; ExtTextOutW "A漢".
    QByteArray font;
    put32(font, 1);
    for (qint64 v : {-32, 0, 0, 0, 400}) put32(font, v);
    font += QByteArray(8, '\0');
    for (QChar ch : QStringLiteral("IPAGothic")) put16(font, ch.unicode());
    font += QByteArray(64 - 18, '\0');
    Emf e;
    e.record(82, font);
    e.ints(37, {1});
    e.ints(24, {0x00ff0000});  // blue text
    e.ints(18, {1});           // transparent
    QByteArray text;
    for (int i = 0; i < 4; ++i) put32(text, 0);       // bounds
    put32(text, 1), put32(text, 0), put32(text, 0);   // graphics mode, scales
    put32(text, 20), put32(text, 10);                 // reference point
    put32(text, 2), put32(text, 76), put32(text, 0);  // characters, string offset, options
    for (int i = 0; i < 4; ++i) put32(text, 0);       // rectangle
    put32(text, 80);                                  // advances after the string
    put16(text, 'A'), put16(text, 0x6F22);            // "A漢"
    put32(text, 40), put32(text, 40);
    e.record(84, text);
    const DecodedPicture p = decodeEmf(e.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    // The second character starts 40 pixels after the first.
    auto inked = [&](int x0, int x1) {
        int n = 0;
        for (int y = 0; y < p.image.height(); ++y)
            for (int x = x0; x < x1; ++x) {
                const QRgb c = pixelAt(p.image, x, y);
                if (c == kWhite) continue;
                EXPECT_GT(qBlue(c), qRed(c));
                ++n;
            }
        return n;
    };
    EXPECT_EQ(inked(0, 18), 0);
    EXPECT_GT(inked(18, 58), 20);
    EXPECT_GT(inked(60, 96), 50);
    for (int x = 0; x < p.image.width(); ++x) EXPECT_EQ(pixelAt(p.image, x, 5), kWhite) << x;
}

TEST(EmfPlayer, DamagedFilesAreRefusedAndHostileCountsIgnored) {
    Emf e;
    brush(e, 1, kGreen);
    e.ints(43, {0, 0, 48, 48});
    const QByteArray whole = e.bytes(2540, 1270);
    ASSERT_TRUE(decodeEmf(whole).ok());
    int refused = 0;
    for (int n = 0; n < whole.size(); ++n) refused += decodeEmf(whole.left(n)).ok() ? 0 : 1;
    EXPECT_GE(refused, whole.size() - 6);  // cuts on record boundaries are whole files

    // Sizes of zero or not a multiple of four stop the walk with an error.
    for (int bad : {0, 4, 10}) {
        QByteArray f = whole;
        f[88 + 4] = char(bad);
        EXPECT_FALSE(decodeEmf(f).ok()) << bad;
    }
    EXPECT_FALSE(decodeEmf(QByteArray(200, '\0')).ok());

    // Counts far beyond their records, objects beyond the table, unknown records.
    Emf lies;
    lies.ints(3, {0, 0, 0, 0, 0x7fffffff, 1, 2});                     // polygon
    lies.ints(91, {0, 0, 0, 0, 0x40000000, 5, 1, 1});                 // poly-polygon
    lies.ints(84, {0, 0, 0, 0, 1, 0, 0, 1, 1, 0x7ffffff0, 1000, 0});  // text
    lies.ints(81, {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0x7ffffff0, 40, 9999, 8, 0, 0xcc0020, 9, 9});
    lies.ints(39, {0x7fffffff, 0, 0xff, 0});
    lies.ints(37, {0x7fffffff});
    lies.ints(40, {0x7fffffff});
    lies.ints(34, {-100});
    lies.ints(9999, {1, 2, 3});
    const DecodedPicture p = decodeEmf(lies.bytes(2540, 1270));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 5, 5), kWhite);
}

TEST(EmfPlayer, OversizedFrameIsRefusedBeforeDrawing) {
    Emf e;
    // 6 metres square at 96 dpi is over 20000 pixels a side.
    DecodedPicture p = decodeEmf(e.bytes(600000, 600000));
    EXPECT_TRUE(p.error.contains(QStringLiteral("大きすぎ"))) << p.error.toStdString();
    PictureLimits limits;
    limits.maxPixels = 96 * 48 - 1;
    EXPECT_FALSE(decodeEmf(e.bytes(2540, 1270), limits).ok());
}
