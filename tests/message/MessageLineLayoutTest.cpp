// Where the body's lines stand, read back from the recorded text operations.

#include <gtest/gtest.h>

#include "message/MessageLineLayout.h"
#include "tests/message/MessageOps.h"

using namespace message;
using namespace message_ops;

namespace {
constexpr int kNewYear = int(CardKind::NewYear);
constexpr int kOrdinary = int(CardKind::Ordinary);

std::vector<Column> drawnMessageLineLayout(const MessageSideInput& in) {
    return columns(RenderMessageSide(in).picture);
}
}  // namespace

TEST(MessageLineLayout, NewYearGreetingThenMessageInSmallerColumns) {
    const auto cols = drawnMessageLineLayout(body(
        kNewYear, {u"謹賀新年"_qs, u"旧年中は"_qs, u"本年も"_qs, u"皆様の"_qs, u"ご多幸を"_qs}));
    const std::vector<Column> expected = {
        {950, -50, 100, u"謹賀新年"_qs}, {850, -50, 100, u"旧年中は"_qs},
        {750, -50, 100, u"本年も"_qs},   {600, -100, 60, u"皆様の"_qs},
        {525, -100, 60, u"ご多幸を"_qs},
    };
    EXPECT_EQ(cols, expected);
}

TEST(MessageLineLayout, OrdinaryCardLinesStepBySizeAndGap) {
    EXPECT_EQ(drawnMessageLineLayout(body(kOrdinary, {u"拝啓"_qs, u"秋も深まり"_qs})),
              (std::vector<Column>{{970, -30, 50, u"拝啓"_qs}, {905, -30, 50, u"秋も深まり"_qs}}));
}

TEST(MessageLineLayout, EmptyLinesTakeNoColumnAndDoNotMoveTheNext) {
    EXPECT_EQ(xs(RenderMessageSide(body(kNewYear, {"", "a", "b"})).picture),
              (std::vector<int>{950, 850}));
    // An empty line in the middle: the following one takes its place.
    EXPECT_EQ(xs(RenderMessageSide(body(kOrdinary, {"a", "", "b", "c"})).picture),
              (std::vector<int>{970, 905, 840}));
    // Nothing but line breaks draws nothing.
    EXPECT_TRUE(drawnMessageLineLayout(body(kNewYear, {"", "", ""})).empty());
    EXPECT_TRUE(drawnMessageLineLayout(body(kNewYear, {})).empty());
}

TEST(MessageLineLayout, KindsDrawSeventeenAndTwentyOneLinesAtMost) {
    const auto newYear = drawnMessageLineLayout(body(kNewYear, numberedLines(20)));
    ASSERT_EQ(newYear.size(), 17u);
    EXPECT_EQ(newYear.back().text, u"一七"_qs);
    EXPECT_EQ(newYear.back().x, 900 - (300 + 13 * 75));

    const auto ordinary = drawnMessageLineLayout(body(kOrdinary, numberedLines(25)));
    ASSERT_EQ(ordinary.size(), 21u);
    EXPECT_EQ(ordinary.back().text, u"二一"_qs);
    EXPECT_EQ(ordinary.back().x, 970 - 20 * 65);

    // The limit counts lines of the body, empty ones included.
    QStringList gappy = numberedLines(18);
    gappy[16] = QString();
    const auto limited = drawnMessageLineLayout(body(kNewYear, gappy));
    EXPECT_EQ(limited.back().text, u"一六"_qs);
}

TEST(MessageLineLayout, NewYearFieldsMoveEachGroupAndCountTheRightMarginTwice) {
    MessageSideInput in = body(kNewYear, {"a", "b", "c", "d", "e"});
    in.layout.NES0 = 20;  // h 120
    in.layout.NEG0 = 5;
    in.layout.NEX0 = 10;
    in.layout.NEY0 = 7;
    in.layout.NES1 = -10;  // h 50
    in.layout.NEG1 = 3;
    in.layout.NEX1 = 40;
    in.layout.NEY1 = -20;
    const std::vector<Column> expected = {
        {940, -57, 120, u"Ａ"_qs},        // 950 - NEX0
        {950 - 135, -57, 120, u"Ｂ"_qs},  // D = 120 + 5 + 10
        {950 - 260, -57, 120, u"Ｃ"_qs},  // D += 120 + 5
        {900 - 430, -80, 50, u"Ｄ"_qs},   // D += 120 + NEX1 + NEX0
        {900 - 498, -80, 50, u"Ｅ"_qs},   // D += 50 + 3 + 15
    };
    EXPECT_EQ(drawnMessageLineLayout(in), expected);
}

TEST(MessageLineLayout, OrdinaryFieldsMoveTheFirstLineByItsMargin) {
    MessageSideInput in = body(kOrdinary, {"a", "b", "c"});
    in.layout.FHS0 = 10;
    in.layout.FHX0 = 30;
    in.layout.FHG0 = -5;
    in.layout.FHY0 = -100;
    EXPECT_EQ(drawnMessageLineLayout(in), (std::vector<Column>{{940, 70, 60, u"Ａ"_qs},
                                                               {970 - 100, 70, 60, u"Ｂ"_qs},
                                                               {970 - 170, 70, 60, u"Ｃ"_qs}}));
}

TEST(MessageLineLayout, ZeroAndNegativeHeightsArePassedOnAndStillAddToTheOffset) {
    MessageSideInput in = body(kNewYear, {"a", "b", "c", "d"});
    in.layout.NES0 = -120;  // h -20
    in.layout.NES1 = -60;   // h 0
    const auto cols = drawnMessageLineLayout(in);
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[0].height, -20);
    EXPECT_EQ(cols[1].x, 970);  // 950 - (-20)
    EXPECT_EQ(cols[2].x, 990);
    EXPECT_EQ(cols[3].height, 0);
    EXPECT_EQ(cols[3].x, 900 + 60);
}

TEST(MessageLineLayout, UnknownKindDrawsNoText) {
    EXPECT_TRUE(drawnMessageLineLayout(body(2, {"a"})).empty());
    EXPECT_TRUE(drawnMessageLineLayout(body(-1, {"a"})).empty());
    EXPECT_TRUE(placeMessageLines(7, {}, {"a"}).empty());
}

TEST(MessageLineLayout, LinesAreConvertedForVerticalWritingAfterPlacing) {
    const auto cols = drawnMessageLineLayout(body(kOrdinary, {u"2027年 Happy"_qs}));
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].text, u"二〇二七年 ＨＡＰＰＹ"_qs);
}
