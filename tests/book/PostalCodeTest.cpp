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
