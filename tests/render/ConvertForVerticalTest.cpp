#include <gtest/gtest.h>

#include "render/ConvertForVertical.h"

using render::ConvertForVertical;

TEST(ConvertForVertical, DigitsBecomeKanjiNumeralsOneByOne) {
    EXPECT_EQ(ConvertForVertical(QStringLiteral("2024年")), QStringLiteral("二〇二四年"));
    EXPECT_EQ(ConvertForVertical(QStringLiteral("3-12-5")), QStringLiteral("三-一二-五"));
    EXPECT_EQ(ConvertForVertical(QStringLiteral("0123456789")),
              QStringLiteral("〇一二三四五六七八九"));
}

TEST(ConvertForVertical, LettersOfEitherCaseBecomeFullWidthCapitals) {
    EXPECT_EQ(ConvertForVertical(QStringLiteral("Ab")), QStringLiteral("ＡＢ"));
    EXPECT_EQ(ConvertForVertical(QStringLiteral("abc商事")), QStringLiteral("ＡＢＣ商事"));
    EXPECT_EQ(ConvertForVertical(QStringLiteral("azAZ")), QStringLiteral("ＡＺＡＺ"));
}

TEST(ConvertForVertical, EverythingElsePassesThrough) {
    EXPECT_EQ(ConvertForVertical(QString()), QString());
    const QString untouched = QStringLiteral("東京都 千代田区　丸の内－．-.,@_[]`{}~\\１Ａｱｶﾞ①㈱");
    EXPECT_EQ(ConvertForVertical(untouched), untouched);
    // Characters outside CP932 (a surrogate pair, a lone surrogate) stay too,
    // and the length in UTF-16 units is kept.
    const QString outside = QString::fromUcs4(U"𠮷野1") + QChar(0xD800);
    const QString converted = ConvertForVertical(outside);
    EXPECT_EQ(converted.size(), outside.size());
    EXPECT_EQ(converted, QString::fromUcs4(U"𠮷野一") + QChar(0xD800));
}

TEST(ConvertForVertical, TableHasOneDoubleByteEntryPerKeyCharacter) {
    ASSERT_EQ(std::strlen(render::VerticalCharKey), render::VerticalCharTable.size());
    for (size_t k = 0; k < render::VerticalCharTable.size(); ++k) {
        const QChar key = QChar::fromLatin1(render::VerticalCharKey[k]);
        EXPECT_EQ(ConvertForVertical(QString(key)), QString(QChar(render::VerticalCharTable[k])))
            << k;
        EXPECT_GE(render::VerticalCharTable[k], 0x3000) << k;  // full-width, never ASCII
    }
}
