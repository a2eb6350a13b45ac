#include <gtest/gtest.h>

#include "records/AddressRecord.h"
#include "book/RelationFilter.h"
#include "book/RowOperations.h"

namespace {

platform::MemoryGrid bookWithRelations(const QStringList& relations) {
    platform::MemoryGrid g(book::kColumnCount, int(relations.size()) + 1);
    for (int i = 0; i < relations.size(); ++i) {
        g.setCell(book::ColRelation, i + 1, relations[i]);
        g.setCell(book::ColName, i + 1, QStringLiteral("n%1").arg(i + 1));
    }
    book::renumberRows(g);
    return g;
}

}  // namespace

TEST(RelationFilter, CopiesTheMatchingRowsInOrder) {
    const platform::MemoryGrid all = bookWithRelations({"友人", "親戚", "友人", "友人 ", ""});
    platform::MemoryGrid filtered(book::kColumnCount, 9);
    EXPECT_EQ(book::filterByRelation(all, QStringLiteral("友人"), filtered), 2);
    ASSERT_EQ(filtered.rowCount(), 3);
    EXPECT_EQ(filtered.cell(book::ColName, 1), QStringLiteral("n1"));
    EXPECT_EQ(filtered.cell(book::ColName, 2), QStringLiteral("n3"));
    EXPECT_EQ(filtered.cell(book::ColNumber, 2),
              QStringLiteral("3"));  // numbers are copied, not renumbered
    EXPECT_EQ(filtered.rowCells(0), book::gridHeaderCells());
}

TEST(RelationFilter, NoMatchLeavesOneEmptyRow) {
    const platform::MemoryGrid all = bookWithRelations({"親戚"});
    platform::MemoryGrid filtered(book::kColumnCount, 5);
    filtered.setCell(book::ColName, 1, QStringLiteral("stale"));
    EXPECT_EQ(book::filterByRelation(all, QStringLiteral("仕事"), filtered), 0);
    ASSERT_EQ(filtered.rowCount(), 2);
    EXPECT_EQ(filtered.rowCells(1), QStringList(QVector<QString>(13).toList()));
}

TEST(RelationFilter, CaptionNamesTheBookAndBothCounts) {
    EXPECT_EQ(book::bookCaption(QStringLiteral("family.csv"), 12, QStringLiteral("友人"), 3),
              QStringLiteral("　Pelcor　　　『　family.csv 』     12件中  友人 3件 を表示中"));
}
