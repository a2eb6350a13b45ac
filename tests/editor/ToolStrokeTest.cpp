#include <gtest/gtest.h>

#include "editor/DrawShape.h"
#include "editor/ToolStroke.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

namespace {

HeldSet leftOnly() {
    HeldSet h;
    h.left = true;
    return h;
}
HeldSet rightOnly() {
    HeldSet h;
    h.right = true;
    return h;
}
const HeldSet kNothing{};

ToolSettings with(DrawingTool tool, int width = 3) {
    ToolSettings s;
    s.tool = tool;
    s.leftColour = kBlack;
    s.rightColour = kRed;
    s.penWidth = width;
    return s;
}

struct Editor {
    QImage picture = filled(80, 60);
    UndoRing undo;
    ToolStroke stroke;
};

}  // namespace

TEST(ToolStroke, OnlyOneButtonAloneCounts) {
    EXPECT_EQ(exactButton(leftOnly()), StrokeButton::Left);
    EXPECT_EQ(exactButton(rightOnly()), StrokeButton::Right);
    EXPECT_EQ(exactButton(kNothing), StrokeButton::None);
    HeldSet both = leftOnly();
    both.right = true;
    EXPECT_EQ(exactButton(both), StrokeButton::None);
    for (bool HeldSet::*mark : {&HeldSet::middle, &HeldSet::shift, &HeldSet::ctrl, &HeldSet::alt,
                                &HeldSet::doubleClick}) {
        HeldSet h = leftOnly();
        h.*mark = true;
        EXPECT_EQ(exactButton(h), StrokeButton::None);
    }
}

TEST(ToolStroke, EveryPressPushesUndoEvenWhenNothingIsDrawn) {
    Editor e;
    HeldSet shifted = leftOnly();
    shifted.shift = true;
    e.stroke.press(e.picture, e.undo, QPoint(5, 5), shifted, with(DrawingTool::Pen));
    EXPECT_EQ(countColour(e.picture, kBlack), 0);
    EXPECT_EQ(e.undo.count(), 1);

    const auto picked =
        e.stroke.press(e.picture, e.undo, QPoint(5, 5), rightOnly(), with(DrawingTool::Picker));
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->swatch, StrokeButton::Right);
    EXPECT_EQ(picked->colour, kWhite);
    EXPECT_EQ(e.undo.count(), 2);

    // A click without moving with a shape tool draws nothing.
    e.stroke.press(e.picture, e.undo, QPoint(9, 9), leftOnly(), with(DrawingTool::Rect));
    e.stroke.release(e.picture, QPoint(9, 9), kNothing, with(DrawingTool::Rect));
    EXPECT_EQ(e.undo.count(), 3);
    EXPECT_EQ(countColour(e.picture, kWhite), 80 * 60);
}

TEST(ToolStroke, PenLeavesSeparateSquaresInTheButtonsColour) {
    Editor e;
    const ToolSettings pen = with(DrawingTool::Pen, 2);
    e.stroke.press(e.picture, e.undo, QPoint(1, 1), rightOnly(), pen);
    e.stroke.move(e.picture, QPoint(20, 1), rightOnly(), pen);
    EXPECT_EQ(countColour(e.picture, kRed), 8);
    EXPECT_EQ(e.picture.pixel(10, 1), kWhite);  // not joined

    // A double click leaves the square of the first press only.
    HeldSet second = leftOnly();
    second.doubleClick = true;
    e.stroke.press(e.picture, e.undo, QPoint(40, 40), leftOnly(), pen);
    e.stroke.press(e.picture, e.undo, QPoint(45, 45), second, pen);
    EXPECT_EQ(countColour(e.picture, kBlack), 4);
    EXPECT_EQ(e.undo.count(), 3);
}

TEST(ToolStroke, DraggedLineEndsOffsetByThePenWidth) {
    Editor e;
    const ToolSettings line = with(DrawingTool::Line, 3);
    e.stroke.press(e.picture, e.undo, QPoint(10, 10), leftOnly(), line);
    e.stroke.move(e.picture, QPoint(30, 40), leftOnly(), line);
    e.stroke.move(e.picture, QPoint(50, 20), leftOnly(), line);
    EXPECT_EQ(e.stroke.strokeCorner(), QPoint(53, 23));
    e.stroke.release(e.picture, QPoint(50, 20), kNothing, line);

    // Only the last rubber band is left, exactly as one figure to (53, 23).
    QImage expected = filled(80, 60);
    drawShape(expected, ShapeKind::Line, QPoint(10, 10), QPoint(53, 23), 3, kBlack,
              RasterOp::NotXor);
    EXPECT_EQ(e.picture, expected);
}

TEST(ToolStroke, ReleasingOneOfTwoButtonsDrawsInTheOtherOnesColour) {
    Editor e;
    const ToolSettings rect = with(DrawingTool::Rect, 1);
    e.stroke.press(e.picture, e.undo, QPoint(10, 10), leftOnly(), rect);
    e.stroke.move(e.picture, QPoint(30, 30), leftOnly(), rect);
    // The right button went down too (no stroke change), then the left came up.
    e.stroke.release(e.picture, QPoint(40, 20), rightOnly(), rect);
    QImage expected = filled(80, 60);
    drawShape(expected, ShapeKind::Rect, QPoint(10, 10), QPoint(31, 31), 1, kBlack,
              RasterOp::NotXor);
    drawShape(expected, ShapeKind::Rect, QPoint(10, 10), QPoint(40, 20), 1, kRed, RasterOp::Copy);
    EXPECT_EQ(e.picture, expected);
}

TEST(ToolStroke, FillUsesTheButtonsColourAndUndoBringsThePictureBack) {
    Editor e;
    const QImage before = e.picture.copy();
    e.stroke.press(e.picture, e.undo, QPoint(3, 3), rightOnly(), with(DrawingTool::Fill));
    EXPECT_EQ(countColour(e.picture, kRed), 80 * 60);
    EXPECT_EQ(*e.undo.undo(), before);
}
