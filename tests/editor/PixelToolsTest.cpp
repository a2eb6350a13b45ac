#include <gtest/gtest.h>

#include "editor/PixelTools.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

TEST(PenSquare, CoversWidthByWidthDownAndRightOfThePoint) {
    QImage img = filled(10, 10);
    penSquare(img, QPoint(2, 3), 3, kRed);
    EXPECT_EQ(countColour(img, kRed), 9);
    EXPECT_EQ(img.pixel(2, 3), kRed);
    EXPECT_EQ(img.pixel(4, 5), kRed);
    EXPECT_EQ(img.pixel(5, 5), kWhite);
    EXPECT_EQ(img.pixel(1, 3), kWhite);
}

TEST(PenSquare, IsClippedAtTheEdges) {
    QImage img = filled(4, 4);
    penSquare(img, QPoint(-1, 2), 3, kBlack);  // overlaps the left and bottom edges
    EXPECT_EQ(countColour(img, kBlack), 4);
    penSquare(img, QPoint(10, 10), 9, kBlack);
    penSquare(img, QPoint(-20, -20), 9, kBlack);
    EXPECT_EQ(countColour(img, kBlack), 4);
}

TEST(FloodFill, FillsTheAreaItStartsInAndStopsAtOtherColours) {
    // A black ring around the middle of a white picture.
    QImage img = filled(9, 9);
    for (int i = 2; i <= 6; ++i) {
        img.setPixel(i, 2, kBlack);
        img.setPixel(i, 6, kBlack);
        img.setPixel(2, i, kBlack);
        img.setPixel(6, i, kBlack);
    }
    EXPECT_EQ(floodFill(img, QPoint(4, 4), kRed), 9);
    EXPECT_EQ(countColour(img, kRed), 9);
    EXPECT_EQ(img.pixel(0, 0), kWhite);

    EXPECT_EQ(floodFill(img, QPoint(0, 0), kBlue), 81 - 9 - 16);
    EXPECT_EQ(countColour(img, kBlack), 16);
}

TEST(FloodFill, SpreadsThroughEdgesNotCorners) {
    // A diagonal black line from corner to corner splits the picture in two.
    QImage img = filled(6, 6);
    for (int i = 0; i < 6; ++i) img.setPixel(i, i, kBlack);
    EXPECT_EQ(floodFill(img, QPoint(5, 0), kRed), 15);
    EXPECT_EQ(img.pixel(0, 5), kWhite);
    // The black pixels are one area only through their corners: a fill of
    // one of them stays a single pixel.
    EXPECT_EQ(floodFill(img, QPoint(2, 2), kBlue), 1);
}

TEST(FloodFill, SameColourAndOutsideChangeNothing) {
    QImage img = filled(5, 5);
    img.setPixel(1, 1, kBlack);
    const QImage before = img.copy();
    EXPECT_EQ(floodFill(img, QPoint(3, 3), kWhite), 0);
    EXPECT_EQ(floodFill(img, QPoint(-1, 3), kRed), 0);
    EXPECT_EQ(floodFill(img, QPoint(5, 0), kRed), 0);
    EXPECT_EQ(img, before);
}

TEST(FloodFill, ReachesEveryPocketOfAWindingArea) {
    // A comb: teeth hanging from the top leave pockets opening downwards,
    // reached only by turning back upwards from the bottom row.
    QImage img = filled(11, 6);
    for (int x = 1; x < 11; x += 2)
        for (int y = 0; y < 5; ++y) img.setPixel(x, y, kBlack);
    const int white = countColour(img, kWhite);
    EXPECT_EQ(floodFill(img, QPoint(0, 0), kGreen), white);
    EXPECT_EQ(countColour(img, kWhite), 0);
}

TEST(Picker, ReadsThePixelOrNothingOutside) {
    QImage img = filled(3, 3);
    img.setPixel(2, 1, kBlue);
    EXPECT_EQ(pickColour(img, QPoint(2, 1)), kBlue);
    EXPECT_EQ(pickColour(img, QPoint(0, 0)), kWhite);
    EXPECT_FALSE(pickColour(img, QPoint(3, 1)).has_value());
    EXPECT_FALSE(pickColour(QImage(), QPoint(0, 0)).has_value());
}
