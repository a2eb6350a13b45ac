#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "platform/ui/StringGrid.h"

using platform::StringGrid;

namespace {

// Columns of the rendered image that hold dark pixels inside `rect`.
int inkWidth(const QImage& image, const QRect& rect) {
    int first = -1, last = -1;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 100) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

}  // namespace

TEST(StringGrid, FixedRowAndColumnAreCellsShownInTheHeaders) {
    StringGrid g(4);
    g.setRowCount(3);
    g.setCell(0, 0, QStringLiteral("No."));
    g.setCell(2, 0, QStringLiteral("名前"));
    g.setCell(0, 2, QStringLiteral("2"));
    g.setCell(2, 2, QStringLiteral("山田"));
    EXPECT_EQ(g.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("名前"));
    EXPECT_EQ(g.model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(g.model()->index(1, 1).data().toString(), QStringLiteral("山田"));
    EXPECT_EQ(g.model()->rowCount(), 2);
    EXPECT_EQ(g.model()->columnCount(), 3);
    EXPECT_EQ(g.cell(2, 2), QStringLiteral("山田"));
    EXPECT_EQ(g.cell(9, 9), QString());  // outside: empty, no crash
}

TEST(StringGrid, KeepsOneRecordRowAndCellsOnResize) {
    StringGrid g(3);
    g.setRowCount(4);
    g.setCell(1, 1, QStringLiteral("a"));
    g.setCell(1, 3, QStringLiteral("c"));
    g.setRowCount(0);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(1, 1), QStringLiteral("a"));
    g.setRowCount(4);
    EXPECT_EQ(g.cell(1, 3), QString());
}

TEST(StringGrid, SelectionIsABlockOfWholeRows) {
    StringGrid g(13);
    g.setRowCount(11);
    platform::GridRect r;
    r.top = 3;
    r.bottom = 5;
    g.setGridSelection(r);
    const platform::GridRect s = g.selection();
    EXPECT_EQ(s.top, 3);
    EXPECT_EQ(s.bottom, 5);
    EXPECT_EQ(s.left, 1);
    EXPECT_EQ(s.right, 12);
    g.setRow(7);
    EXPECT_EQ(g.row(), 7);
    EXPECT_EQ(g.selection().top, 7);
    EXPECT_EQ(g.selection().bottom, 7);
}

TEST(StringGrid, ProgramAndKeyboardRowMovesReportAClick) {
    StringGrid g(3);
    g.setRowCount(5);
    g.resize(300, 200);
    g.show();
    QSignalSpy clicks(&g, &StringGrid::gridClick);
    g.setRow(2);
    EXPECT_EQ(clicks.count(), 1);
    g.setFocus();
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(StringGrid, DraggingTheFixedColumnMovesTheRow) {
    StringGrid g(3);
    g.setRowCount(5);
    for (int r = 1; r < 5; ++r) {
        g.setCell(0, r, QString::number(r));
        g.setCell(1, r, QStringLiteral("r%1").arg(r));
    }
    QSignalSpy moved(&g, &StringGrid::rowMoved);
    // What the header does when the user drags section 3 (row 4) to place 1 (row 2).
    g.verticalHeader()->moveSection(3, 1);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved[0][0].toInt(), 4);
    EXPECT_EQ(moved[0][1].toInt(), 2);
    EXPECT_EQ(g.cell(1, 2), QStringLiteral("r4"));
    EXPECT_EQ(g.cell(0, 2), QStringLiteral("4"));  // numbers travel with their rows
    EXPECT_EQ(g.cell(1, 3), QStringLiteral("r2"));
    // The header is back in order: visual place i shows row i.
    EXPECT_EQ(g.verticalHeader()->logicalIndex(1), 1);
}

TEST(StringGrid, AmpersandIsDrawnAsItself) {
    // Mnemonic processing would turn "&&&&" into "&&": compare ink widths.
    StringGrid g(2);
    g.setRowCount(3);
    g.setColWidth(0, 24);
    g.setColWidth(1, 200);
    g.setDefaultRowHeight(20);
    g.resize(260, 100);
    g.setCell(1, 1, QStringLiteral("&&"));
    g.setCell(1, 2, QStringLiteral("&&&&"));
    g.show();
    const QImage image = g.grab().toImage();
    const QRect cell1 = g.visualRect(g.model()->index(0, 0)).translated(g.viewport()->pos());
    const QRect cell2 = g.visualRect(g.model()->index(1, 0)).translated(g.viewport()->pos());
    const int w1 = inkWidth(image, cell1.adjusted(1, 1, -1, -1));
    const int w2 = inkWidth(image, cell2.adjusted(1, 1, -1, -1));
    ASSERT_GT(w1, 0);
    EXPECT_GT(w2, w1 * 3 / 2);
}

TEST(StringGrid, SelectedCellsUseTheSelectionColour) {
    StringGrid g(2);
    g.setRowCount(3);
    g.setColWidth(1, 100);
    g.resize(200, 100);
    g.setSelectedColour(QColor(0, 255, 255));
    g.setRow(2);
    g.show();
    const QImage image = g.grab().toImage();
    const QRect selected = g.visualRect(g.model()->index(1, 0)).translated(g.viewport()->pos());
    const QRect plain = g.visualRect(g.model()->index(0, 0)).translated(g.viewport()->pos());
    EXPECT_EQ(QColor(image.pixel(selected.right() - 3, selected.bottom() - 3)),
              QColor(0, 255, 255));
    EXPECT_NE(QColor(image.pixel(plain.right() - 3, plain.bottom() - 3)), QColor(0, 255, 255));
}
