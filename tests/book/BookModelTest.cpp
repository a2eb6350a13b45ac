// The book model on its own, with no view: what the grids show and the files
// hold is what these operations leave in it.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "book/AddressFile.h"
#include "book/BookModel.h"
#include "book/RowOperations.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

using book::BookModel;

namespace {

// A book of records named r1..rn, readings in reverse order, relations
// alternating 友人 / 親戚.
BookModel& fill(BookModel& b, int n) {
    book::AddressRows rows;
    for (int r = 1; r <= n; ++r) {
        QStringList row(records::kColumnCount);
        row[records::ColName] = QStringLiteral("r%1").arg(r);
        row[records::ColKana] = QString(QChar(u'あ' + n - r));
        row[records::ColPostal] = QStringLiteral("123-456%1").arg(r % 10);
        row[records::ColRelation] = r % 2 ? QStringLiteral("友人") : QStringLiteral("親戚");
        rows << row;
    }
    b.load(rows);
    return b;
}

QStringList column(const BookModel& b, int col) {
    QStringList out;
    for (int r = 1; r < b.rowCount(); ++r) out << b.cell(col, r);
    return out;
}

}  // namespace

TEST(BookModel, FileToModelToFileIsByteForByte) {
    const QByteArray file = platform::Sjis::bytes(
        QStringLiteral("やまだ,山田　太郎,123-4567,東京都港区,\"１－２,３\",花子,,03-1234-5678,,,"
                       "㈱髙﨑,\"say \"\"hi\"\"\",友人\r\n"
                       "すずき,鈴木,1234,大阪,,,,,,,,,\r\n"
                       ",,,,,,,,,,,,\r\n"));
    BookModel b;
    b.load(book::parseAddressFile(file));
    b.removeHyphens();  // as the program shows a book it has opened
    EXPECT_EQ(b.cell(records::ColPostal, 1), QStringLiteral("1234567 "));
    EXPECT_EQ(b.cell(records::ColPostal, 2), QStringLiteral("1234"));  // not a code: left alone
    EXPECT_EQ(column(b, records::ColNumber), QStringList({"1", "2", "3"}));
    EXPECT_EQ(b.cell(records::ColName, 0), records::gridHeaderCells().value(records::ColName));
    EXPECT_EQ(book::buildAddressFile(b.records()), file);
}

TEST(BookModel, RowOperationsRenumberAndKeepTheHeader) {
    BookModel b;
    fill(b, 5);
    platform::GridRect sel;
    sel.top = 2;
    sel.bottom = 3;
    EXPECT_EQ(b.insertRows(sel), 2);
    EXPECT_EQ(column(b, records::ColName), QStringList({"r1", "", "", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(b.cell(records::ColNumber, 7), QStringLiteral("7"));
    b.deleteRows(sel);
    EXPECT_EQ(column(b, records::ColName), QStringList({"r1", "r2", "r3", "r4", "r5"}));

    // A moved row keeps its number until the book is renumbered.
    b.moveRow(5, 1);
    EXPECT_EQ(column(b, records::ColName), QStringList({"r5", "r1", "r2", "r3", "r4"}));
    EXPECT_EQ(b.cell(records::ColNumber, 1), QStringLiteral("5"));
    b.renumber();
    EXPECT_EQ(b.cell(records::ColNumber, 1), QStringLiteral("1"));

    b.sort(book::SortOrder::Forward);  // readings run backwards from r1
    EXPECT_EQ(column(b, records::ColName), QStringList({"r5", "r4", "r3", "r2", "r1"}));
    b.sort(book::SortOrder::Backward);
    EXPECT_EQ(column(b, records::ColName), QStringList({"r1", "r2", "r3", "r4", "r5"}));

    b.deleteRows(book::allRecords(b));  // the last record row stays, empty or not
    EXPECT_EQ(b.rowCount(), 2);
    b.clear();
    EXPECT_EQ(column(b, records::ColName), QStringList({""}));
    EXPECT_EQ(b.cell(records::ColNumber, 1), QStringLiteral("1"));
}

TEST(BookModel, HyphenPassesTouchOnlyPostalCodes) {
    BookModel b;
    fill(b, 2);
    b.removeHyphens();
    EXPECT_EQ(column(b, records::ColPostal), QStringList({"1234561 ", "1234562 "}));
    b.addHyphens();
    EXPECT_EQ(column(b, records::ColPostal), QStringList({"123-4561", "123-4562"}));
    EXPECT_EQ(column(b, records::ColName), QStringList({"r1", "r2"}));
}

TEST(BookModel, RelationSelectionLinksEachRowBackToTheWholeBook) {
    BookModel all;
    fill(all, 6);
    BookModel friends;
    EXPECT_EQ(friends.selectRelation(all, QStringLiteral("友人")), 3);
    EXPECT_EQ(column(friends, records::ColName), QStringList({"r1", "r3", "r5"}));
    EXPECT_EQ(friends.sourceRow(2), 3);
    EXPECT_EQ(friends.sourceRow(4), 0);

    // Its own order: a dragged row takes its link along.
    friends.moveRow(3, 1);
    EXPECT_EQ(column(friends, records::ColName), QStringList({"r5", "r1", "r3"}));
    EXPECT_EQ(friends.sourceRow(1), 5);
    EXPECT_EQ(friends.sourceRow(2), 1);

    EXPECT_EQ(friends.selectRelation(all, QStringLiteral("仕事")), 0);
    EXPECT_EQ(friends.rowCount(), 2);
    EXPECT_EQ(friends.sourceRow(1), 0);
}

// Views rebuild themselves on the reset notice: an operation that changed the
// rows without it would leave a grid showing stale rows.
TEST(BookModel, EachOperationTellsItsViewsOnce) {
    BookModel b;
    fill(b, 4);
    QSignalSpy resets(&b, &platform::CellTable::reset);
    QSignalSpy cells(&b, &platform::CellTable::cellChanged);
    b.sort(book::SortOrder::Forward);
    b.removeHyphens();
    b.moveRow(1, 2);
    EXPECT_EQ(resets.count(), 3);
    EXPECT_EQ(cells.count(), 0);
    b.setCell(records::ColName, 1, QStringLiteral("x"));
    EXPECT_EQ(cells.count(), 1);
}
