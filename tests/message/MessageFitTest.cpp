// Lines the card cannot hold are found, measured with the real faces.

#include <gtest/gtest.h>

#include "message/MessageFit.h"

using namespace message;

namespace {

MessageSideInput card(CardKind kind, const QStringList& lines) {
    MessageSideInput in;
    in.cardKind = int(kind);
    in.lines = lines;
    return in;
}

}  // namespace

TEST(MessageFit, AShortGreetingFitsAndSaysNothing) {
    const MessageFit fit =
        checkMessageFit(card(CardKind::NewYear, {u"謹賀新年"_qs, QString(), u"元旦"_qs}));
    EXPECT_TRUE(fit.fits());
    EXPECT_TRUE(messageFitWarning(fit).isEmpty());
}

TEST(MessageFit, ALongColumnAndLinesAfterTheLastAreNamed) {
    // Line 4 on a New Year card: 60 units a character from y -100, so 24
    // characters reach y -1540, past the bottom at -1480; 22 stay on it.
    QStringList lines = {u"謹賀新年"_qs, QString(), QString(), QString(24, QChar(0x3042)),
                         QString(22, QChar(0x3042))};
    MessageFit fit = checkMessageFit(card(CardKind::NewYear, lines));
    EXPECT_EQ(fit.offCard, QVector<int>{4});
    EXPECT_EQ(fit.firstUndrawn, 0);

    while (lines.size() < 17) lines.append(QString());
    lines << QString() << u"十九"_qs << u"二十"_qs;
    fit = checkMessageFit(card(CardKind::NewYear, lines));
    EXPECT_EQ(fit.firstUndrawn, 19) << "the empty line 18 is no loss";
    EXPECT_EQ(messageFitWarning(fit),
              u"4 行目がはがきからはみ出します。19 行目から後は印刷されません。"_qs);
    // An ordinary card draws 21 lines: all of these.
    EXPECT_EQ(checkMessageFit(card(CardKind::Ordinary, lines)).firstUndrawn, 0);
}

TEST(MessageFit, ColumnsPushedPastTheLeftEdgeAreNamed) {
    MessageSideInput in = card(CardKind::Ordinary, {u"一"_qs, u"二"_qs});
    in.layout.FHG0 = 200;  // 265 units a line: line 2 stands at x 705
    EXPECT_TRUE(checkMessageFit(in).fits());
    in.layout.FHX0 = 300;  // line 1 at 670, line 2 at 405 - still inside
    EXPECT_TRUE(checkMessageFit(in).fits());
    in.lines << u"三"_qs << u"四"_qs;  // 140, then -125
    EXPECT_EQ(checkMessageFit(in).offCard, QVector<int>{4});
}
