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

// Each dash an input method may give for "-" and full-width digits split a
// code into its 3 + 4 entry fields like the ASCII forms.
TEST(PostalCode, TheEntryFieldsReadEveryDashFormAndFullWidthDigits) {
    for (const QString& dash : {QStringLiteral("ー"), QStringLiteral("－"), QStringLiteral("−"),
                                QStringLiteral("‐"), QStringLiteral("―"), QStringLiteral("-")}) {
        const book::PostalFields fields =
            book::postalFieldsOf(QStringLiteral("１２３") + dash + QStringLiteral("４５６７"));
        EXPECT_EQ(fields.first, QStringLiteral("123")) << dash.toStdString();
        EXPECT_EQ(fields.second, QStringLiteral("4567")) << dash.toStdString();
    }
    const book::PostalFields plain = book::postalFieldsOf(QStringLiteral("１２３４５６７"));
    EXPECT_EQ(plain.first, QStringLiteral("123"));
    EXPECT_EQ(plain.second, QStringLiteral("4567"));
}
