#include <gtest/gtest.h>

#include "book/PostalCode.h"

using book::withHyphen;
using book::withoutHyphen;

TEST(PostalCode, BothFormsOfASevenDigitCode) {
    EXPECT_EQ(withoutHyphen("123-4567"), QStringLiteral("1234567 "));
    EXPECT_EQ(withoutHyphen("1234567"), QStringLiteral("1234567 "));
    EXPECT_EQ(withoutHyphen("1234567 "), QStringLiteral("1234567 "));
    EXPECT_EQ(withHyphen("1234567"), QStringLiteral("123-4567"));
    EXPECT_EQ(withHyphen("1234567 "), QStringLiteral("123-4567"));
    EXPECT_EQ(withHyphen("123-4567"), QStringLiteral("123-4567"));
    // Round trip, as saving does.
    EXPECT_EQ(withoutHyphen(withHyphen("1234567 ")), QStringLiteral("1234567 "));
}

TEST(PostalCode, EightCharacterCellsFollowTheFixedPositions) {
    EXPECT_EQ(withHyphen("12345678"), QStringLiteral("123-4567"));
    EXPECT_EQ(withoutHyphen("12345678"), QStringLiteral("12345678"));
    EXPECT_EQ(withoutHyphen("12-34567"), QStringLiteral("1234567 "));
}

TEST(PostalCode, CellsOutsideTheRuleStayExactlyAsTheyAre) {
    for (const QString& cell : {QStringLiteral(""), QStringLiteral("123"), QStringLiteral("12345"),
                                QStringLiteral("１２３４５６７"), QStringLiteral("123-45678"),
                                QStringLiteral("一二三四五六七"), QStringLiteral("〒1234567")}) {
        EXPECT_EQ(withHyphen(cell), cell);
        EXPECT_EQ(withoutHyphen(cell), cell);
    }
    // Half-width kana are single bytes: such a cell is inside the rule.
    EXPECT_EQ(withHyphen(QStringLiteral("ｱｲｳｴｵｶｷ")), QStringLiteral("ｱｲｳ-ｴｵｶｷ"));
}

// The entry page's two fields: whatever dash an input method typed, and
// full-width digits, the code splits into 3 and 4 ASCII digits.
TEST(PostalCode, EntryFieldsSplitEveryDashFormAndFullWidthDigits) {
    const auto fields = [](const QString& cell) {
        const book::PostalFields f = book::postalFieldsOf(cell);
        return f.first + QLatin1Char('|') + f.second;
    };
    for (const QString& dash : {QStringLiteral("-"), QStringLiteral("ー"), QStringLiteral("－"),
                                QStringLiteral("−"), QStringLiteral("‐"), QStringLiteral("―")}) {
        EXPECT_EQ(fields(QStringLiteral("123") + dash + QStringLiteral("4567")),
                  QStringLiteral("123|4567"))
            << dash.toStdString();
        EXPECT_EQ(fields(QStringLiteral("１２３") + dash + QStringLiteral("４５６７")),
                  QStringLiteral("123|4567"))
            << dash.toStdString();
    }
    EXPECT_EQ(fields(QStringLiteral("１２３４５６７")), QStringLiteral("123|4567"));
    EXPECT_EQ(fields(QStringLiteral("1234567 ")), QStringLiteral("123|4567"));
    // Not a code of 7 or 8: shown whole, as typed, so nothing is lost.
    EXPECT_EQ(fields(QStringLiteral("１２３ー４５")), QStringLiteral("１２３ー４５|"));
    EXPECT_EQ(fields(QStringLiteral("〒123-45678")), QStringLiteral("〒123-45678|"));
}
