#include <gtest/gtest.h>

#include <QStringEncoder>

#include "book/exchange/TextEncoding.h"
#include "platform/text/Sjis.h"

using book::decodeText;
using book::detectTextEncoding;
using book::TextEncoding;

namespace {

const QString kText = QStringLiteral("山田　太郎,東京都 港区,①");

QByteArray utf16(QStringConverter::Encoding e) {
    return QStringEncoder(e, QStringConverter::Flag::WriteBom)(kText);
}

}  // namespace

TEST(TextEncoding, AByteOrderMarkDecidesAndIsNotPartOfTheText) {
    const QByteArray utf8 = "\xEF\xBB\xBF" + kText.toUtf8();
    EXPECT_EQ(detectTextEncoding(utf8), TextEncoding::Utf8);
    EXPECT_EQ(decodeText(utf8, TextEncoding::Utf8), kText);
    const QByteArray le = utf16(QStringConverter::Utf16LE), be = utf16(QStringConverter::Utf16BE);
    EXPECT_EQ(detectTextEncoding(le), TextEncoding::Utf16LE);
    EXPECT_EQ(detectTextEncoding(be), TextEncoding::Utf16BE);
    EXPECT_EQ(decodeText(le, TextEncoding::Utf16LE), kText);
    EXPECT_EQ(decodeText(be, TextEncoding::Utf16BE), kText);
}

TEST(TextEncoding, WithoutAMarkValidMultiByteUtf8IsUnicodeAndAnythingElseCp932) {
    EXPECT_EQ(detectTextEncoding(kText.toUtf8()), TextEncoding::Utf8);
    // CP932 with no high bytes reads the same either way: it stays CP932.
    EXPECT_EQ(detectTextEncoding("yamada,Tokyo,03-1234"), TextEncoding::Cp932);
    const QByteArray cp932 = platform::Sjis::bytes(kText);
    EXPECT_EQ(detectTextEncoding(cp932), TextEncoding::Cp932);
    EXPECT_EQ(decodeText(cp932, TextEncoding::Cp932), kText);
    // Half-width katakana in CP932 can look like the start of a UTF-8
    // sequence; a few of them among many bytes that are not UTF-8 stay CP932.
    EXPECT_EQ(detectTextEncoding(platform::Sjis::bytes(QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"))),
              TextEncoding::Cp932);
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(book::isMultiByteUtf8("\xC0\xAF", 2));
    EXPECT_FALSE(book::isMultiByteUtf8("\xED\xA0\x80", 3));
}

TEST(TextEncoding, TextWithNulOrManyControlCharactersIsNotText) {
    EXPECT_TRUE(book::looksLikeText(kText + QStringLiteral("\r\n\t\x1a")));
    EXPECT_FALSE(book::looksLikeText(QStringLiteral("abc") + QChar(0) + QStringLiteral("def")));
    EXPECT_FALSE(book::looksLikeText(QString(50, QChar(3)) + QString(50, QLatin1Char('a'))));
}

TEST(TextEncoding, AFewStrayBytesDoNotTurnUtf8IntoCp932) {
    const QByteArray file = QStringLiteral("名前,住所\n山田,東京都\n").toUtf8() +
                            "Ren\xE9,Paris\n" + QStringLiteral("鈴木,大阪\n").toUtf8() +
                            "\xE5\xB1";  // the last character cut
    ASSERT_EQ(detectTextEncoding(file), TextEncoding::Utf8);
    const QString text = decodeText(file, TextEncoding::Utf8);
    EXPECT_TRUE(text.contains(QStringLiteral("鈴木,大阪")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ren\uFFFD,Paris")));
    const QString note = book::strayBytesNote(file, TextEncoding::Utf8, text);
    EXPECT_TRUE(note.contains(QStringLiteral("3, 5 行目"))) << note.toStdString();
    EXPECT_TRUE(book::strayBytesNote(kText.toUtf8(), TextEncoding::Utf8, kText).isEmpty());
}

TEST(TextEncoding, AByteOrderMarkThatLiesIsSeenThrough) {
    for (const char* mark : {"\xFF\xFE", "\xFE\xFF"}) {
        const QByteArray utf8 = mark + kText.toUtf8();
        ASSERT_EQ(detectTextEncoding(utf8), TextEncoding::Utf8) << mark;
        EXPECT_EQ(decodeText(utf8, TextEncoding::Utf8), kText);
    }
    const QByteArray cp932 = "\xEF\xBB\xBF" + platform::Sjis::bytes(kText);
    ASSERT_EQ(detectTextEncoding(cp932), TextEncoding::Cp932);
    EXPECT_EQ(decodeText(cp932, TextEncoding::Cp932), kText);
    // An odd byte at the end of UTF-16 is left out and said.
    const QByteArray odd = utf16(QStringConverter::Utf16LE) + "\x0A";
    ASSERT_EQ(detectTextEncoding(odd), TextEncoding::Utf16LE);
    EXPECT_EQ(decodeText(odd, TextEncoding::Utf16LE), kText);
    EXPECT_FALSE(book::strayBytesNote(odd, TextEncoding::Utf16LE, kText).isEmpty());
}
