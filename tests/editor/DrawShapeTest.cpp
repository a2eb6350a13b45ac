#include <gtest/gtest.h>

#include "editor/DrawShape.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

namespace {

constexpr ShapeKind kAllKinds[] = {ShapeKind::Line, ShapeKind::Rect, ShapeKind::Ellipse,
                                   ShapeKind::RoundRect};

QImage drawn(ShapeKind kind, QPoint a, QPoint b, int width, QRgb colour = kBlack,
             QImage img = filled(40, 40)) {
    drawShape(img, kind, a, b, width, colour, RasterOp::Copy);
    return img;
}

}  // namespace

TEST(DrawShape, ThinLineLeavesOutItsEndPixel) {
    const QImage h = drawn(ShapeKind::Line, QPoint(2, 2), QPoint(8, 2), 1);
    EXPECT_EQ(countColour(h, kBlack), 6);
    EXPECT_EQ(h.pixel(2, 2), kBlack);
    EXPECT_EQ(h.pixel(7, 2), kBlack);
    EXPECT_EQ(h.pixel(8, 2), kWhite);

    const QImage d = drawn(ShapeKind::Line, QPoint(10, 10), QPoint(4, 4), 1);
    EXPECT_EQ(countColour(d, kBlack), 6);
    EXPECT_EQ(d.pixel(10, 10), kBlack);
    EXPECT_EQ(d.pixel(4, 4), kWhite);
}

TEST(DrawShape, WideLineSpreadsEvenlyAroundItsAxis) {
    const QImage img = drawn(ShapeKind::Line, QPoint(10, 20), QPoint(30, 20), 3);
    for (int y : {19, 20, 21}) EXPECT_EQ(img.pixel(20, y), kBlack) << y;
    EXPECT_EQ(img.pixel(20, 18), kWhite);
    EXPECT_EQ(img.pixel(20, 22), kWhite);
}

TEST(DrawShape, ThinRectangleLeavesOutTheRightAndBottomEdges) {
    const QImage img = drawn(ShapeKind::Rect, QPoint(8, 6), QPoint(2, 2), 1);
    // Columns 2 and 7, rows 2 and 5.
    EXPECT_EQ(countColour(img, kBlack), 2 * 6 + 2 * 2);
    for (QPoint p :
         {QPoint(2, 2), QPoint(7, 2), QPoint(2, 5), QPoint(7, 5), QPoint(4, 2), QPoint(7, 4)})
        EXPECT_EQ(img.pixel(p), kBlack) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(8, 2), QPoint(2, 6), QPoint(4, 4)})
        EXPECT_EQ(img.pixel(p), kWhite) << p.x() << "," << p.y();
}

TEST(DrawShape, EllipseAndRoundRectangleKeepTheirCornersFree) {
    for (ShapeKind kind : {ShapeKind::Ellipse, ShapeKind::RoundRect}) {
        const QImage img = drawn(kind, QPoint(5, 5), QPoint(26, 26), 1);
        EXPECT_EQ(img.pixel(5, 5), kWhite);
        EXPECT_EQ(img.pixel(25, 25), kWhite);
        EXPECT_EQ(img.pixel(15, 5), kBlack);   // middle of the top
        EXPECT_EQ(img.pixel(5, 15), kBlack);   // middle of the left
        EXPECT_EQ(img.pixel(15, 15), kWhite);  // outline only
        EXPECT_EQ(img.pixel(15, 26), kWhite);  // the bottom edge is outside
    }
}

TEST(DrawShape, CoincidingCornersDrawNothing) {
    for (ShapeKind kind : kAllKinds) {
        EXPECT_EQ(countColour(drawn(kind, QPoint(9, 9), QPoint(9, 9), 5), kBlack), 0);
    }
}

TEST(DrawShape, NotXorShowsTheColourOnWhiteTheInverseOnBlackAndTwiceRestores) {
    const QRgb pen = qRgb(0x12, 0x80, 0xF0);
    const QRgb inverse = qRgb(0xED, 0x7F, 0x0F);
    for (ShapeKind kind : kAllKinds)
        for (int width : {1, 3, 6}) {
            QImage img = filled(48, 48);
            for (int y = 24; y < 48; ++y)
                for (int x = 0; x < 48; ++x) img.setPixel(x, y, kBlack);
            const QImage before = img.copy();
            drawShape(img, kind, QPoint(6, 4), QPoint(40, 44), width, pen, RasterOp::NotXor);
            int onWhite = 0, onBlack = 0;
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 48; ++x) {
                    const QRgb was = before.pixel(x, y), now = img.pixel(x, y);
                    if (now == was) continue;
                    if (was == kWhite) {
                        ASSERT_EQ(now, pen);
                        ++onWhite;
                    } else {
                        ASSERT_EQ(now, inverse);
                        ++onBlack;
                    }
                }
            EXPECT_GT(onWhite, 0);
            EXPECT_GT(onBlack, 0);
            drawShape(img, kind, QPoint(6, 4), QPoint(40, 44), width, pen, RasterOp::NotXor);
            EXPECT_EQ(img, before) << int(kind) << " width " << width;
        }
}

TEST(DrawShape, FiguresReachingOutsideThePictureAreClipped) {
    for (ShapeKind kind : kAllKinds) {
        QImage img = filled(20, 20);
        drawShape(img, kind, QPoint(-10, 5), QPoint(30, 15), 3, kBlack, RasterOp::Copy);
        EXPECT_GT(countColour(img, kBlack), 0) << int(kind);
        QImage far = filled(20, 20);
        drawShape(far, kind, QPoint(-300, -300), QPoint(-100, -50), 3, kBlack, RasterOp::Copy);
        EXPECT_EQ(countColour(far, kBlack), 0);
    }
}
