// The records a print job or an export would print running off: found by
// their number, named one a line, counted in the question before printing.

#include <gtest/gtest.h>

#include "book/BookModel.h"
#include "cli/OverflowLines.h"
#include "records/AddressRecord.h"

namespace {

void fillThree(book::BookModel& b) {
    b.setRowCount(4);
    for (int r = 1; r <= 3; ++r) {
        b.setCell(records::ColName, r, QStringLiteral("山田　太郎%1").arg(r));
        b.setCell(records::ColAddress1, r, QStringLiteral("東京都港区芝公園"));
    }
    b.setCell(records::ColAddress1, 2,
              QStringLiteral("北海道札幌市中央区北一条西二丁目１番地北海道札幌市中央区"));
    b.renumber();
}

}  // namespace

TEST(OverflowLines, NameOnlyTheRecordsThatRunOff) {
    book::BookModel b;
    fillThree(b);
    render::AddressSideInput card;
    card.target = platform::OutputTarget::Printer;
    const std::vector<app::RecordOverflow> found = app::findRecordOverflows(card, b, 1, 3);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].row, 2);
    EXPECT_EQ(found[0].number, b.cell(records::ColNumber, 2));
    EXPECT_EQ(app::overflowLines(found),
              QStringList({QStringLiteral("1 枚の宛名がはみ出します。"),
                           QStringLiteral("宛名 %1（山田　太郎2）: "
                                          "住所１がはがきの下端からはみ出します。")
                               .arg(found[0].number)}));
    EXPECT_TRUE(app::printOverflowQuestion(found).startsWith(
        QStringLiteral("1 枚の宛名がはみ出します。印刷しますか？")));
    EXPECT_TRUE(app::findRecordOverflows(card, b, 3, 3).empty());
    card.typeset.fitColumns = render::FitColumns::Fit;
    EXPECT_TRUE(app::findRecordOverflows(card, b, 1, 3).empty());
}
