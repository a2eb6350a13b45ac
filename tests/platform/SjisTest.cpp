#include <gtest/gtest.h>

#include "platform/text/Sjis.h"

using platform::Sjis::byteLength;
using platform::Sjis::compare;
using platform::Sjis::decode;
using platform::Sjis::encode;

TEST(Sjis, RoundTripsTheVendorExtensions) {
    // NEC and IBM extensions that plain Shift-JIS tables lack.
    const QString text = QStringLiteral("①㈱髙﨑№ ｱｲｳ ABC 東京都港区");
    const platform::SjisEncoded e = encode(text);
    EXPECT_TRUE(e.ok());
    EXPECT_EQ(decode(e.bytes), text);
    EXPECT_EQ(byteLength(text), e.bytes.size());
}

TEST(Sjis, ReportsCharactersWithoutACp932Form) {
    const QString text = QStringLiteral("吉𠮷田😀様");
    const platform::SjisEncoded e = encode(text);
    ASSERT_EQ(e.unmappable.size(), 2);
    EXPECT_EQ(e.unmappable[0], QStringLiteral("𠮷"));
    EXPECT_EQ(e.unmappable[1], QStringLiteral("😀"));
    // Each stands as one '?', so nothing else shifts.
    EXPECT_EQ(decode(e.bytes), QStringLiteral("吉?田?様"));
    EXPECT_EQ(byteLength(text), e.bytes.size());
}

TEST(Sjis, EncodesWhatTheInputMethodTypesForCharactersWithTwoForms) {
    // Input methods type U+301C and U+2212 where CP932 decodes to U+FF5E and
    // U+FF0D; both must be saved and printed as the CP932 character.
    const platform::SjisEncoded e = encode(QStringLiteral("1〜3−‖—¢£¬"));
    EXPECT_TRUE(e.ok());
    EXPECT_EQ(e.bytes, QByteArray("1\x81\x60"
                                  "3\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA"));
    EXPECT_EQ(byteLength(QStringLiteral("〜")), 2);
    // Decoding still gives the one form the table decodes to.
    EXPECT_EQ(decode(e.bytes).left(2), QStringLiteral("1～"));
}

TEST(Sjis, InvalidBytesBecomeReplacementCharactersWithoutReadingPastTheEnd) {
    // A lone trail-less lead byte at the very end, an invalid pair, and 0x80.
    const QByteArray bytes(
        "\x82\xa0"
        "A\x80"
        "B\x85\x40"
        "C\x88",
        9);
    const QString s = decode(bytes.constData(), bytes.size());
    EXPECT_TRUE(s.startsWith(QStringLiteral("あA")));
    EXPECT_TRUE(s.endsWith(QChar(QChar::ReplacementCharacter)));
    EXPECT_TRUE(s.contains(QLatin1Char('C')));
    EXPECT_EQ(decode(QByteArray()), QString());
}

TEST(Sjis, ComparesByCp932Bytes) {
    // Hiragana sort in kana order; a prefix sorts first; katakana (0x83..)
    // after hiragana (0x82..), unlike UTF-16 order of some pairs.
    EXPECT_LT(compare(QStringLiteral("あい"), QStringLiteral("あう")), 0);
    EXPECT_LT(compare(QStringLiteral("あ"), QStringLiteral("あい")), 0);
    EXPECT_EQ(compare(QStringLiteral("さとう"), QStringLiteral("さとう")), 0);
    EXPECT_LT(compare(QStringLiteral("ん"), QStringLiteral("ア")), 0);
    // Half-width katakana (0xA1..0xDF) before kanji (0x88..) is false: bytes decide.
    EXPECT_GT(compare(QStringLiteral("ｱ"), QStringLiteral("亜")), 0);
    EXPECT_LT(compare(QString(), QStringLiteral("a")), 0);
}

TEST(Sjis, ByteLengthCountsHalfWidthKanaAsOneByte) {
    EXPECT_EQ(byteLength(QStringLiteral("123-4567")), 8);
    EXPECT_EQ(byteLength(QStringLiteral("１２３")), 6);
    EXPECT_EQ(byteLength(QStringLiteral("ｶﾅ")), 2);
}
