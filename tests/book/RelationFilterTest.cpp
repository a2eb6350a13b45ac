#include <gtest/gtest.h>

#include "book/RelationFilter.h"
#include "book/RowOperations.h"
#include "records/AddressRecord.h"

namespace {

platform::MemoryGrid bookWithRelations(const QStringList& relations) {
    platform::MemoryGrid g(records::kColumnCount, int(relations.size()) + 1);
    for (int i = 0; i < relations.size(); ++i) {
        g.setCell(records::ColRelation, i + 1, relations[i]);
        g.setCell(records::ColName, i + 1, QStringLiteral("n%1").arg(i + 1));
    }
    book::renumberRows(g);
    return g;
}

}  // namespace

TEST(RelationFilter, CopiesTheMatchingRowsInOrder) {
    const platform::MemoryGrid all = bookWithRelations({"友人", "親戚", "友人", "友人 ", ""});
    platform::MemoryGrid filtered(records::kColumnCount, 9);
    EXPECT_EQ(book::filterByRelation(all, QStringLiteral("友人"), filtered), 2);
    ASSERT_EQ(filtered.rowCount(), 3);
    EXPECT_EQ(filtered.cell(records::ColName, 1), QStringLiteral("n1"));
    EXPECT_EQ(filtered.cell(records::ColName, 2), QStringLiteral("n3"));
    EXPECT_EQ(filtered.cell(records::ColNumber, 2),
              QStringLiteral("3"));  // numbers are copied, not renumbered
    EXPECT_EQ(filtered.rowCells(0), records::gridHeaderCells());
}

TEST(RelationFilter, NoMatchLeavesOneEmptyRow) {
    const platform::MemoryGrid all = bookWithRelations({"親戚"});
    platform::MemoryGrid filtered(records::kColumnCount, 5);
    filtered.setCell(records::ColName, 1, QStringLiteral("stale"));
    EXPECT_EQ(book::filterByRelation(all, QStringLiteral("仕事"), filtered), 0);
    ASSERT_EQ(filtered.rowCount(), 2);
    EXPECT_EQ(filtered.rowCells(1), QStringList(QVector<QString>(13).toList()));
}

TEST(RelationFilter, CaptionNamesTheBookAndBothCounts) {
    EXPECT_EQ(book::bookCaption(QStringLiteral("family.csv"), 12, QStringLiteral("友人"), 3),
              QStringLiteral("　Pelcor　　　『　family.csv 』     12件中  友人 3件 を表示中"));
}
