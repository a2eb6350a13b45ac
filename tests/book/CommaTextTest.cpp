#include <gtest/gtest.h>

#include "book/CommaText.h"
#include "platform/text/Sjis.h"

using book::joinCommaText;
using book::splitCommaText;

namespace {

QList<QByteArray> split(const char* text) { return splitCommaText(QByteArray(text)); }
QList<QByteArray> sjisCommaText(std::initializer_list<const char16_t*> fields) {
    QList<QByteArray> out;
    for (const char16_t* f : fields) out << platform::Sjis::bytes(QString::fromUtf16(f));
    return out;
}

}  // namespace

TEST(CommaText, SplitsPlainQuotedAndEmptyFields) {
    EXPECT_EQ(split("a,b,c"), QList<QByteArray>({"a", "b", "c"}));
    EXPECT_EQ(split("a,,c"), QList<QByteArray>({"a", "", "c"}));
    EXPECT_EQ(split("\"a,b\",c"), QList<QByteArray>({"a,b", "c"}));
    EXPECT_EQ(split("\"a\"\"b\""), QList<QByteArray>({"a\"b"}));
    EXPECT_EQ(split(""), QList<QByteArray>());
}

TEST(CommaText, BlanksAroundFieldsAreSkippedAndBlanksInsideAreKept) {
    EXPECT_EQ(split("  a , b"), QList<QByteArray>({"a", "b"}));
    // A spreadsheet writes "東京都 港区" without quotes: it stays one field,
    // and the fields after it stay in their columns.
    EXPECT_EQ(split("x,Tokyo Minato ,y"), QList<QByteArray>({"x", "Tokyo Minato", "y"}));
    const QList<QByteArray> spreadsheet =
        sjisCommaText({u"やまだ", u"山田 太郎", u"東京都 港区 芝公園1-2", u"y"});
    EXPECT_EQ(splitCommaText(spreadsheet.join(',')), spreadsheet);
    EXPECT_EQ(split("\"Tokyo Minato\""), QList<QByteArray>({"Tokyo Minato"}));
    EXPECT_EQ(split("a\tb"), QList<QByteArray>({"a\tb"}));
    // What the program writes (a field with a blank is quoted) reads as before.
    const QList<QByteArray> own = {"a b", " c", "d ", "e"};
    EXPECT_EQ(joinCommaText(own), QByteArray("\"a b\",\" c\",\"d \",e"));
    EXPECT_EQ(splitCommaText(joinCommaText(own)), own);
}

TEST(CommaText, ATrailingCommaAddsOneEmptyField) {
    EXPECT_EQ(split("a,"), QList<QByteArray>({"a", ""}));
    EXPECT_EQ(split("a, "), QList<QByteArray>({"a", ""}));
    EXPECT_EQ(split(",,"), QList<QByteArray>({"", "", ""}));
}

TEST(CommaText, UnterminatedQuoteRunsToTheEndAndNulEndsTheLine) {
    EXPECT_EQ(split("\"abc,def"), QList<QByteArray>({"abc,def"}));
    const QByteArray withNul("a,b\0c,d", 7);
    EXPECT_EQ(splitCommaText(withNul), QList<QByteArray>({"a", "b"}));
    // Text after a closing quote starts the next field.
    EXPECT_EQ(split("\"ab\"cd,e"), QList<QByteArray>({"ab", "cd", "e"}));
}

TEST(CommaText, DoubleByteCharactersAreSteppedOverWhole) {
    // 表 is 0x95 0x5C: its trail byte is a backslash, and ソ (0x83 0x5C) too;
    // neither may be split or quoted on its own account.
    const QList<QByteArray> f = sjisCommaText({u"表示", u"ソフト", u"山田　太郎"});
    const QByteArray line = joinCommaText(f);
    EXPECT_EQ(splitCommaText(line), f);
    // The ideographic space is two bytes, not a blank: no quotes needed.
    EXPECT_FALSE(line.contains('"'));
    // A lead byte at the very end stands alone and never reads past the end.
    const QByteArray cut("a,\x82", 3);
    EXPECT_EQ(splitCommaText(cut), QList<QByteArray>({"a", "\x82"}));
    // A lead byte whose next byte cannot be a trail byte stands alone and
    // does not swallow the delimiter after it (found by fuzzing).
    EXPECT_EQ(split("\x82,b"), QList<QByteArray>({"\x82", "b"}));
    const QList<QByteArray> lone = {"x\x82", "\x82 "};
    EXPECT_EQ(splitCommaText(joinCommaText(lone)), lone);
}

TEST(CommaText, WritesQuotesOnlyWhereNeeded) {
    EXPECT_EQ(joinCommaText({"a", "", "b c", "x,y", "a\"b", "\x1f"}),
              QByteArray("a,,\"b c\",\"x,y\",\"a\"\"b\",\"\x1f\""));
    // Every written line reads back as the same fields.
    const QList<QByteArray> awkward = {" lead", "trail ", "\"", ",", "", "a\"\"b", "\t"};
    EXPECT_EQ(splitCommaText(joinCommaText(awkward)), awkward);
}
