#include <gtest/gtest.h>

#include "book/Sorting.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace {

platform::MemoryGrid bookWithReadings(const QStringList& readings) {
    platform::MemoryGrid g(records::kColumnCount, int(readings.size()) + 1);
    for (int i = 0; i < readings.size(); ++i) {
        g.setCell(records::ColKana, i + 1, readings[i]);
        g.setCell(records::ColName, i + 1, QStringLiteral("n%1").arg(i + 1));
        g.setCell(records::ColNumber, i + 1, QString::number(i + 1));
    }
    return g;
}

QStringList columnSorting(const platform::CellGrid& g, int col) {
    QStringList out;
    for (int r = 1; r < g.rowCount(); ++r) out << g.cell(col, r);
    return out;
}

}  // namespace

TEST(Sorting, ForwardAndBackwardByTheReading) {
    platform::MemoryGrid g = bookWithReadings({"さとう", "あべ", "", "あべの"});
    book::sortByReading(g, book::SortOrder::Forward);
    EXPECT_EQ(columnSorting(g, records::ColKana), QStringList({"", "あべ", "あべの", "さとう"}));
    EXPECT_EQ(columnSorting(g, records::ColName),
              QStringList({"n3", "n2", "n4", "n1"}));  // whole rows move
    EXPECT_EQ(columnSorting(g, records::ColNumber), QStringList({"1", "2", "3", "4"}));
    book::sortByReading(g, book::SortOrder::Backward);
    EXPECT_EQ(columnSorting(g, records::ColKana), QStringList({"さとう", "あべの", "あべ", ""}));
}

TEST(Sorting, OrdersByCp932BytesNotByUnicode) {
    // Katakana (0x83..) after hiragana (0x82..); half-width kana (0xB1..)
    // after kanji (0x88..).
    platform::MemoryGrid g = bookWithReadings({"ｱ", "ア", "あ", "亜"});
    book::sortByReading(g, book::SortOrder::Forward);
    EXPECT_EQ(columnSorting(g, records::ColKana), QStringList({"あ", "ア", "亜", "ｱ"}));
}

TEST(Sorting, QuickSortMatchesAReferenceOrderOnManyKeys) {
    QVector<QByteArray> keys;
    quint32 seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        keys << QByteArray::number((seed >> 16) % 300);  // many equal keys
    }
    for (auto order : {book::SortOrder::Forward, book::SortOrder::Backward}) {
        const QVector<int> idx = book::quickSortOrder(keys, order);
        ASSERT_EQ(idx.size(), keys.size());
        QVector<bool> seen(keys.size(), false);
        for (int k = 0; k < idx.size(); ++k) {
            ASSERT_FALSE(seen[idx[k]]);
            seen[idx[k]] = true;
            if (k > 0) {
                const int c = qstrcmp(keys[idx[k - 1]], keys[idx[k]]);
                EXPECT_TRUE(order == book::SortOrder::Forward ? c <= 0 : c >= 0);
            }
        }
    }
}

TEST(Sorting, EqualKeysComeOutWhereTheMiddlePivotPartitionLeavesThem) {
    // Worked by hand: keys b a b a with the pivot at (0+3)/2 = 1 ("a").
    const QVector<QByteArray> keys = {"b", "a", "b", "a"};
    EXPECT_EQ(book::quickSortOrder(keys, book::SortOrder::Forward), QVector<int>({3, 1, 0, 2}));
}
