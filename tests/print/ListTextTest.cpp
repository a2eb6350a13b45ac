#include <gtest/gtest.h>

#include "platform/table/CellGrid.h"
#include "print/ListText.h"
#include "records/AddressRecord.h"

using print::ListKind;

namespace {

struct Row {
    QString number, name, postal, address1, address2, phone, mobile, fax;
};

platform::MemoryGrid gridOf(const QVector<Row>& rows) {
    platform::MemoryGrid grid(records::kColumnCount, int(rows.size()) + 1);
    grid.setRowCells(0, records::gridHeaderCells());
    for (int i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const int row = i + 1;
        grid.setCell(records::ColNumber, row, r.number);
        grid.setCell(records::ColName, row, r.name);
        grid.setCell(records::ColPostal, row, r.postal);
        grid.setCell(records::ColAddress1, row, r.address1);
        grid.setCell(records::ColAddress2, row, r.address2);
        grid.setCell(records::ColPhone, row, r.phone);
        grid.setCell(records::ColMobile, row, r.mobile);
        grid.setCell(records::ColFax, row, r.fax);
        // Columns the lists never show, filled so that a wrong column shows up.
        grid.setCell(records::ColJointName, row, QStringLiteral("連名X"));
        grid.setCell(records::ColKana, row, QStringLiteral("かなX"));
        grid.setCell(records::ColCompany, row, QStringLiteral("会社X"));
    }
    return grid;
}

}  // namespace

TEST(ListText, AddressListPutsTheExtraTabAfterShortValuesOnly) {
    const auto grid = gridOf({
        {"1", "山田太郎", "123-4567", "東京都千代田区", "一ノ二ノ三", "", "", ""},  // 8-byte name
        {"2", "山田花", "", "大阪市", "", "", "", ""},           // 6-byte name, no code
        {"10", "Abe", "12345", "札幌市", "北一条", "", "", ""},  // short code
    });
    const QString expected = QStringLiteral(
        "  \t1  \t山田太郎  \t123-4567  \t東京都千代田区一ノ二ノ三\r\n\r\n"
        "  \t2  \t山田花\t  \t\t  \t大阪市\r\n\r\n"
        "  \t10  \tAbe\t  \t12345\t  \t札幌市北一条\r\n\r\n");
    EXPECT_EQ(print::listRecords(grid, ListKind::Address), expected);
}

TEST(ListText, PhoneListEndsWithTheFaxInOneOfTwoForms) {
    const auto grid = gridOf({
        // Long fax: a tab alone before it and nothing after it.
        {"1", "佐藤一郎", "", "", "", "03-1234-5678", "090-1111-2222", "03-1234-5679"},
        // Short fax: two spaces and a tab before, a tab after.
        {"2", "林", "", "", "", "", "0120-11", "1234567"},
        // Exactly 8 bytes is not short.
        {"3", "ｻﾄｳﾀﾛｳ", "", "", "", "12345678", "", "12345678"},
    });
    const QString expected = QStringLiteral(
        "  \t1  \t佐藤一郎  \t03-1234-5678  \t090-1111-2222\t03-1234-5679\r\n\r\n"
        "  \t2  \t林\t  \t\t  \t0120-11\t  \t1234567\t\r\n\r\n"
        "  \t3  \tｻﾄｳﾀﾛｳ\t  \t12345678  \t\t\t12345678\r\n\r\n");
    EXPECT_EQ(print::listRecords(grid, ListKind::Phone), expected);
}

TEST(ListText, ShortIsCountedInCp932BytesNotCharactersOrUtf8) {
    // Four full-width characters are 8 bytes (4 characters, 12 in UTF-8).
    EXPECT_FALSE(print::isShortValue(QStringLiteral("山田太郎")));
    // Three are 6 bytes (9 in UTF-8).
    EXPECT_TRUE(print::isShortValue(QStringLiteral("山田花")));
    // Half-width kana take one byte each (three in UTF-8).
    EXPECT_TRUE(print::isShortValue(QStringLiteral("ｱｲｳｴｵｶｷ")));
    EXPECT_FALSE(print::isShortValue(QStringLiteral("ｱｲｳｴｵｶｷｸ")));
    // Mixed widths: 2 + 2 + 1 + 1 + 1 = 7 bytes.
    EXPECT_TRUE(print::isShortValue(QStringLiteral("山田abc")));
    EXPECT_FALSE(print::isShortValue(QStringLiteral("山田abcd")));
    // Extension characters of CP932 count two bytes as well.
    EXPECT_FALSE(print::isShortValue(QStringLiteral("①②③④")));
    EXPECT_TRUE(print::isShortValue(QString()));
}

TEST(ListText, WholeTextIsAnEmptyLineTheHeadsAndEveryRecordRowInOrder) {
    const auto grid =
        gridOf({{"2", "乙", "", "", "", "", "", ""}, {"1", "甲", "", "", "", "", "", ""}});
    const QString address = print::buildListText(grid, ListKind::Address);
    EXPECT_EQ(address, QStringLiteral("\r\n\tNo.\t名　前\t\t〒        \t住所\r\n") +
                           print::listRecord(grid, 1, ListKind::Address) +
                           print::listRecord(grid, 2, ListKind::Address));
    EXPECT_LT(address.indexOf(QStringLiteral("乙")), address.indexOf(QStringLiteral("甲")));
    // The grid's header row is never listed as a record.
    EXPECT_FALSE(address.contains(QStringLiteral("ふりがな")));

    EXPECT_TRUE(print::buildListText(grid, ListKind::Phone)
                    .startsWith(QStringLiteral(
                        "\r\n\tNo.\t名　前\t\t電話番号\t携帯番号\tFAX番号\r\n  \t2")));
}

TEST(ListText, AnEmptyRowGivesARecordOfEmptyValues) {
    platform::MemoryGrid grid(records::kColumnCount, 2);
    EXPECT_EQ(print::listRecords(grid, ListKind::Address),
              QStringLiteral("  \t  \t\t  \t\t  \t\r\n\r\n"));
    EXPECT_EQ(print::listRecords(grid, ListKind::Phone),
              QStringLiteral("  \t  \t\t  \t\t  \t\t  \t\t\r\n\r\n"));
    // A grid of the header row alone lists nothing.
    platform::MemoryGrid headerOnly(records::kColumnCount, 1);
    EXPECT_EQ(print::listRecords(headerOnly, ListKind::Phone), QString());
}
