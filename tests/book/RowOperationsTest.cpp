#include <gtest/gtest.h>

#include "book/RowOperations.h"
#include "platform/table/CellGrid.h"
#include "records/AddressRecord.h"

namespace {

// A book of `n` records whose name cells read "r1".."rn".
platform::MemoryGrid bookOf(int n) {
    platform::MemoryGrid g(records::kColumnCount, n + 1);
    for (int r = 1; r <= n; ++r) g.setCell(records::ColName, r, QStringLiteral("r%1").arg(r));
    book::renumberRows(g);
    return g;
}

QStringList names(const platform::CellGrid& g) {
    QStringList out;
    for (int r = 1; r < g.rowCount(); ++r) out << g.cell(records::ColName, r);
    return out;
}

QStringList numbers(const platform::CellGrid& g) {
    QStringList out;
    for (int r = 1; r < g.rowCount(); ++r) out << g.cell(records::ColNumber, r);
    return out;
}

platform::GridRect rows(int top, int bottom) {
    platform::GridRect r;
    r.top = top;
    r.bottom = bottom;
    r.right = 12;
    return r;
}

}  // namespace

TEST(RowOperations, RenumberWritesNumbersAndTheHeader) {
    platform::MemoryGrid g(records::kColumnCount, 4);
    g.setCell(0, 0, QStringLiteral("ふりがな"));  // as a file write leaves it
    book::renumberRows(g);
    EXPECT_EQ(numbers(g), QStringList({"1", "2", "3"}));
    EXPECT_EQ(g.rowCells(0), records::gridHeaderCells());
    EXPECT_EQ(g.cell(1, 0), QStringLiteral("名　前"));
    EXPECT_EQ(g.cell(9, 0), QStringLiteral("FAX番号"));
    EXPECT_EQ(records::gridHeaderCells().size(), 13);
}

TEST(RowOperations, InsertPutsEmptyRowsAtTheTopOfTheSelection) {
    platform::MemoryGrid g = bookOf(10);
    g.setCell(records::ColRelation, 3, QStringLiteral("友人"));
    const int current = book::insertRows(g, rows(3, 5));
    EXPECT_EQ(current, 3);
    ASSERT_EQ(g.rowCount(), 14);
    EXPECT_EQ(names(g), QStringList({"r1", "r2", "", "", "", "r3", "r4", "r5", "r6", "r7", "r8",
                                     "r9", "r10"}));
    for (int c = 1; c < records::kColumnCount; ++c) EXPECT_TRUE(g.cell(c, 4).isEmpty()) << c;
    EXPECT_EQ(g.cell(records::ColRelation, 6), QStringLiteral("友人"));  // whole rows move
    EXPECT_EQ(numbers(g).last(), QStringLiteral("13"));
}

TEST(RowOperations, InsertWithOneRowSelected) {
    platform::MemoryGrid g = bookOf(1);
    book::insertRows(g, rows(1, 1));
    EXPECT_EQ(names(g), QStringList({"", "r1"}));
    EXPECT_EQ(numbers(g), QStringList({"1", "2"}));
}

TEST(RowOperations, DeleteOfAMiddleBlock) {
    platform::MemoryGrid g = bookOf(5);
    book::deleteRows(g, rows(2, 4));
    EXPECT_EQ(names(g), QStringList({"r1", "r5"}));
    EXPECT_EQ(numbers(g), QStringList({"1", "2"}));
}

TEST(RowOperations, DeleteOfTheLastRows) {
    platform::MemoryGrid g = bookOf(4);
    book::deleteRows(g, rows(3, 4));
    EXPECT_EQ(names(g), QStringList({"r1", "r2"}));
}

TEST(RowOperations, DeletingEveryRowKeepsOneRowWithTheFirstRecord) {
    platform::MemoryGrid g = bookOf(3);
    book::deleteRows(g, rows(1, 3));
    ASSERT_EQ(g.rowCount(), 2);
    EXPECT_EQ(names(g), QStringList({"r1"}));
    EXPECT_EQ(numbers(g), QStringList({"1"}));
}

TEST(RowOperations, NumbersFollowMovedRowsUntilRenumbered) {
    platform::MemoryGrid g = bookOf(5);
    // The user drags row 4 above row 2.
    const QStringList moved = g.rowCells(4);
    for (int r = 4; r > 2; --r) g.setRowCells(r, g.rowCells(r - 1));
    g.setRowCells(2, moved);
    EXPECT_EQ(numbers(g), QStringList({"1", "4", "2", "3", "5"}));
    book::renumberRows(g);
    EXPECT_EQ(numbers(g), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(names(g), QStringList({"r1", "r4", "r2", "r3", "r5"}));
}

TEST(RowOperations, SelectAllCoversEveryRecordAndDataColumn) {
    const platform::MemoryGrid g = bookOf(7);
    const platform::GridRect r = book::allRecords(g);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.right, 12);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.bottom, 7);
}
