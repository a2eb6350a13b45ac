// The three typesetting choices read back from the recorded text operations:
// joint names aligned with the given name (both honorifics on one line, the
// columns apart), hyphens between numerals, half-width katakana.

#include <gtest/gtest.h>

#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "render/NameColumns.h"
#include "render/Typesetting.h"
#include "render/VerticalFont.h"
#include "tests/render/TextOps.h"

using namespace render;
using namespace testing_text;

namespace {

enum Col { Name = 1, Address1 = 3, Address2 = 4, Joint = 5, Company = 10, Title = 11 };

AddressSideInput card(int kind, bool back = false) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.envelopeBack = back;
    in.target = platform::OutputTarget::Printer;
    return in;
}

const TextOp* find(const std::vector<TextOp>& ops, const QString& text) {
    for (const TextOp& t : ops)
        if (t.text == text) return &t;
    return nullptr;
}

std::vector<TextOp> withText(const std::vector<TextOp>& ops, const QString& text) {
    std::vector<TextOp> out;
    for (const TextOp& t : ops)
        if (t.text == text) out.push_back(t);
    return out;
}

// The length of `text` in the column's font (face 0).
int length(const TextOp& column, const QString& text) {
    return columnLength(verticalFontRecord(0, column.height), text);
}

}  // namespace

TEST(Typesetting, JointNameAlignsWithTheGivenNameOnEveryKind) {
    const QString name = QStringLiteral("山田　太郎"), joint = QStringLiteral("花子");
    for (int k = 0; k < kMediaKindCount; ++k) {
        for (bool companyAndTitle : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << k << (companyAndTitle ? " with company and title" : ""));
            AddressSideInput in = card(k);
            in.record[Name] = name;
            in.record[Joint] = joint;
            if (companyAndTitle) {
                in.record[Company] = QStringLiteral("山田商事");
                in.record[Title] = QStringLiteral("部長");
            }
            const std::vector<TextOp> classic = textOps(DrawAddressSide(in));
            const TextOp* classicName = find(classic, name + QStringLiteral(" 様"));
            const TextOp* classicJoint = find(classic, joint + QStringLiteral(" 様"));
            ASSERT_TRUE(classicName && classicJoint);
            EXPECT_EQ(classicJoint->y, classicName->y);

            in.typeset.jointAlign = JointAlign::GivenName;
            const std::vector<TextOp> aligned = textOps(DrawAddressSide(in));
            const TextOp* n = find(aligned, name);
            const TextOp* j = find(aligned, joint);
            ASSERT_TRUE(n && j);
            // The name stays where it was; the joint name starts beside 太郎.
            EXPECT_EQ(n->x, classicName->x);
            EXPECT_EQ(n->y, classicName->y);
            EXPECT_EQ(j->y, n->y - length(*n, QStringLiteral("山田　")));
            // The columns keep a quarter of the height apart, never closer than before.
            EXPECT_LE(j->x, classicJoint->x);
            EXPECT_GE(n->x - n->height - j->x, n->height / 4);
            // One honorific for each, on one line, below the end of both names.
            const std::vector<TextOp> honorifics = withText(aligned, QStringLiteral("様"));
            ASSERT_EQ(honorifics.size(), 2u);
            EXPECT_EQ(honorifics[0].x, n->x);
            EXPECT_EQ(honorifics[1].x, j->x);
            EXPECT_EQ(honorifics[0].y, honorifics[1].y);
            const int nameEnd = n->y - length(*n, name + QLatin1Char(' '));
            const int jointEnd = j->y - length(*j, joint + QLatin1Char(' '));
            EXPECT_EQ(honorifics[0].y, std::min(nameEnd, jointEnd));
        }
    }
}

TEST(Typesetting, JointAlignmentEdgeCasesAndTheSenderBlock) {
    AddressSideInput in = card(0);
    in.typeset.jointAlign = JointAlign::GivenName;
    // No ideographic space: the joint name starts beside the top, and a longer
    // joint name takes both honorifics down with it.
    in.record[Name] = QStringLiteral("山田");
    in.record[Joint] = QStringLiteral("山田花子");
    std::vector<TextOp> ops = textOps(DrawAddressSide(in));
    ASSERT_TRUE(find(ops, QStringLiteral("山田")) && find(ops, QStringLiteral("山田花子")));
    const TextOp& j = *find(ops, QStringLiteral("山田花子"));
    EXPECT_EQ(j.y, find(ops, QStringLiteral("山田"))->y);
    const std::vector<TextOp> honorifics = withText(ops, QStringLiteral("様"));
    ASSERT_EQ(honorifics.size(), 2u);
    EXPECT_EQ(honorifics[0].y, j.y - length(j, QStringLiteral("山田花子 ")));

    // Without a joint name the name is drawn as before, honorific and all.
    in.record[Joint].clear();
    EXPECT_TRUE(find(textOps(DrawAddressSide(in)), QStringLiteral("山田 様")));

    // The sender's joint name aligns too, and carries no honorific.
    AddressSideInput sender = card(0);
    sender.typeset.jointAlign = JointAlign::GivenName;
    sender.sender.name = QStringLiteral("鈴木　一郎");
    sender.sender.jointName = QStringLiteral("花子");
    ops = textOps(DrawAddressSide(sender));
    const TextOp* s = find(ops, QStringLiteral("鈴木　一郎"));
    const TextOp* sj = find(ops, QStringLiteral("花子"));
    ASSERT_TRUE(s && sj);
    EXPECT_EQ(sj->y, s->y - length(*s, QStringLiteral("鈴木　")));
    EXPECT_TRUE(withText(ops, QStringLiteral("様")).empty());
}

TEST(Typesetting, HyphensBetweenNumeralsOnlyChangeWhenAsked) {
    AddressSideInput in = card(0);
    in.record[Address1] = QStringLiteral("芝公園4-2-8");
    in.record[Address2] = QStringLiteral("１－２－３ 4‐2 A-B 3ー5 ビール 四-二 -1 2-");
    in.sender.address1 = QStringLiteral("梅田1-1");
    const auto addresses = [&](BlockDash dash) {
        in.typeset.blockDash = dash;
        const std::vector<TextOp> ops = textOps(DrawAddressSide(in));
        std::vector<QString> out;
        for (const TextOp& t : ops)
            if (t.text.startsWith(QStringLiteral("芝")) ||
                t.text.startsWith(QStringLiteral("１")) || t.text.startsWith(QStringLiteral("梅")))
                out.push_back(t.text);
        return out;
    };
    EXPECT_EQ(
        addresses(BlockDash::AsTyped),
        (std::vector<QString>{QStringLiteral("芝公園四-二-八"),
                              QStringLiteral("１－２－３ 四‐二 Ａ-Ｂ 三ー五 ビール 四-二 -一 二-"),
                              QStringLiteral("梅田一-一")}));
    EXPECT_EQ(
        addresses(BlockDash::Bar),
        (std::vector<QString>{QStringLiteral("芝公園四―二―八"),
                              QStringLiteral("１―２―３ 四―二 Ａ-Ｂ 三―五 ビール 四―二 -一 二-"),
                              QStringLiteral("梅田一―一")}));
    EXPECT_EQ(addresses(BlockDash::No)[0], QStringLiteral("芝公園四ノ二ノ八"));
}

TEST(Typesetting, HalfWidthKanaBecomeFullWidthWithTheirMarksJoined) {
    EXPECT_EQ(widenHalfWidthKana(QStringLiteral("ｶﾞｷﾞｸﾞ ﾊﾟ ｸﾞﾗﾝﾌﾛﾝﾄ ｳﾞ ｰ｡｢｣､･")),
              QStringLiteral("ガギグ パ グランフロント ヴ ー。「」、・"));
    // No joined form to print: the mark stands after the kana; a lone mark stands alone.
    EXPECT_EQ(widenHalfWidthKana(QStringLiteral("ﾜﾞ ｱﾟ ﾞ")), QStringLiteral("ワ゛ ア゜ ゛"));

    AddressSideInput in = card(0);
    in.record[Address2] = QStringLiteral("ｸﾞﾗﾝﾌﾛﾝﾄ1F");
    in.record[Name] = QStringLiteral("ﾔﾏﾀﾞ　ﾊﾟﾝ");
    EXPECT_TRUE(find(textOps(DrawAddressSide(in)), QStringLiteral("ｸﾞﾗﾝﾌﾛﾝﾄ一Ｆ")));
    in.typeset.halfKana = HalfKana::FullWidth;
    const std::vector<TextOp> ops = textOps(DrawAddressSide(in));
    EXPECT_TRUE(find(ops, QStringLiteral("グランフロント一Ｆ")));
    EXPECT_TRUE(find(ops, QStringLiteral("ヤマダ　パン 様")));
}
